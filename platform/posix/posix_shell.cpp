#include "platform/posix/posix_shell.h"

#include <filesystem>

#include "settings/ini_profile.h"

namespace vc {

PathKind PosixShell::KindOf(const std::string& path) const {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return PathKind::None;
    }
    return std::filesystem::is_directory(status) ? PathKind::Folder : PathKind::File;
}

std::unique_ptr<Profile> PosixShell::OpenProfile(const std::string& path) {
    return std::make_unique<IniProfile>(path);
}

}  // namespace vc
