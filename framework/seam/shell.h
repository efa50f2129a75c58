#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "framework/file_path.h"
#include "framework/seam/profile.h"

namespace vc {

enum class PathKind { None, File, Folder };

// A file open for writing; closed when destroyed.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    // The number of bytes stored, which may be fewer than asked (a full disk).
    virtual std::size_t Write(const void* data, std::size_t size) = 0;
};

// The program's place in the file system and the user's folders.
class Shell {
  public:
    virtual ~Shell() = default;
    // The user's documents folder, when the system can say.
    virtual std::optional<std::string> DocumentsFolder() const = 0;
    // The full path of the running program file.
    virtual std::string ProgramPath() const = 0;
    // Splits the paths above and the settings' folder: the code page they are written in.
    virtual LeadByteTest PathLeadByte() const = 0;
    virtual PathKind KindOf(const std::string& path) const = 0;
    // The private-profile (INI) file at `path`.
    virtual std::unique_ptr<Profile> OpenProfile(const std::string& path) = 0;
    // Creates the file at `path`, replacing one that exists, and keeps anybody else from
    // opening it while it is open; nothing when it cannot be created.
    virtual std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) = 0;
};

}  // namespace vc
