#pragma once
#include <optional>
#include <string>

#include "framework/seam/shell.h"

namespace vc {

// The program's files on a POSIX file system: a program path and a documents folder
// that are given, and INI files through the portable engine.
class PosixShell final : public Shell {
  public:
    PosixShell(std::string programPath, std::optional<std::string> documentsFolder)
        : programPath_(std::move(programPath)), documentsFolder_(std::move(documentsFolder)) {}

    std::optional<std::string> DocumentsFolder() const override { return documentsFolder_; }
    std::string ProgramPath() const override { return programPath_; }
    // Paths given here are CP932, as the clock's texts are.
    LeadByteTest PathLeadByte() const override { return IsLeadByte; }
    PathKind KindOf(const std::string& path) const override;
    std::unique_ptr<Profile> OpenProfile(const std::string& path) override;
    // "\" in `path` is taken as "/". The file is held with an exclusive flock while open,
    // which keeps out programs that ask for one.
    std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) override;

  private:
    std::string programPath_;
    std::optional<std::string> documentsFolder_;
};

}  // namespace vc
