#pragma once
#include <windows.h>

#include "framework/seam/shell.h"

namespace vc {

// Files, folders and private-profile files through the Windows API.
class Win32Shell final : public Shell {
  public:
    explicit Win32Shell(HWND owner) : owner_(owner) {}
    std::optional<std::string> DocumentsFolder() const override;
    std::string ProgramPath() const override;
    LeadByteTest PathLeadByte() const override;
    PathKind KindOf(const std::string& path) const override;
    std::unique_ptr<Profile> OpenProfile(const std::string& path) override;
    std::unique_ptr<OutputFile> CreateOutputFile(const std::string& path) override;

  private:
    HWND owner_;
};

}  // namespace vc
