#include "platform/win32/win32_shell.h"

#include <shlobj.h>

#include "framework/seam/shell.h"
#include "platform/win32/wide_text.h"

namespace vc {
namespace {

// The real private-profile functions; Flush is their all-null call.
class Win32Profile final : public Profile {
  public:
    explicit Win32Profile(std::string path) : path_(std::move(path)) {}

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) override {
        char buffer[kProfileReadBuffer] = {};
        const DWORD length = GetPrivateProfileStringA(
            std::string(section).c_str(), std::string(key).c_str(), std::string(fallback).c_str(),
            buffer, sizeof buffer, path_.c_str());
        return std::string(buffer, length);
    }

    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                          std::string(value).c_str(), path_.c_str()) != 0;
    }

    void Flush() override { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

  private:
    std::string path_;
};

}  // namespace

std::optional<std::string> Win32Shell::DocumentsFolder() const {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner_, CSIDL_PERSONAL, &list)) || list == nullptr) {
        return std::nullopt;
    }
    char path[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListA(list, path);
    ILFree(list);  // the shell's own release: no COM library loaded for it
    if (!found) {
        return std::nullopt;
    }
    return std::string(path);
}

std::string Win32Shell::ProgramPath() const {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

LeadByteTest Win32Shell::PathLeadByte() const {
    return IsAnsiLeadByte;
}

PathKind Win32Shell::KindOf(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::None;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

std::unique_ptr<Profile> Win32Shell::OpenProfile(const std::string& path) {
    return std::make_unique<Win32Profile>(path);
}

namespace {

class Win32OutputFile final : public OutputFile {
  public:
    explicit Win32OutputFile(HANDLE file) : file_(file) {}
    ~Win32OutputFile() override { CloseHandle(file_); }
    Win32OutputFile(const Win32OutputFile&) = delete;
    Win32OutputFile& operator=(const Win32OutputFile&) = delete;

    std::size_t Write(const void* data, std::size_t size) override {
        // One picture is far below 4 GB; a larger request is refused as a whole.
        DWORD written = 0;
        if (size <= MAXDWORD) {
            WriteFile(file_, data, static_cast<DWORD>(size), &written, nullptr);
        }
        return written;
    }

  private:
    HANDLE file_;
};

}  // namespace

std::unique_ptr<OutputFile> Win32Shell::CreateOutputFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32OutputFile>(file);
}

}  // namespace vc
