#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "framework/seam/profile.h"

namespace vc {

// A settings file read and written the way the Windows functions do it (as Wine implements them),
// on plain files. Every call reads the file and every change is written at once: Wine, too, writes
// through and re-reads a file that changed, so a cache would only add ways to differ.
// Text in the file may be ANSI (code page 1252), or UTF-8 or UTF-16 after a byte order mark.
class IniProfile final : public Profile {
  public:
    explicit IniProfile(std::filesystem::path file);

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) override;
    // False when the file is read-only or cannot be written; the file is then left as it was.
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    void Flush() override;

  private:
    std::filesystem::path file_;
};

struct IniDocument;

// The file as one reading found it; each key then reads as IniProfile::GetString would have
// read it then. For reports of many keys: a reading per key made a file of tens of megabytes
// take minutes.
class IniSnapshot {
  public:
    explicit IniSnapshot(const std::filesystem::path& file);
    ~IniSnapshot();
    IniSnapshot(const IniSnapshot&) = delete;
    IniSnapshot& operator=(const IniSnapshot&) = delete;

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) const;

  private:
    std::unique_ptr<const IniDocument> document_;
};

}  // namespace vc
