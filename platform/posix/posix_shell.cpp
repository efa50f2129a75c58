#include "platform/posix/posix_shell.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "platform/posix/ini_profile.h"

namespace vc {
namespace {

class PosixOutputFile final : public OutputFile {
  public:
    explicit PosixOutputFile(int fd) : fd_(fd) {}
    ~PosixOutputFile() override { ::close(fd_); }
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    std::size_t Write(const void* data, std::size_t size) override {
        const auto* bytes = static_cast<const char*>(data);
        std::size_t stored = 0;
        while (stored < size) {
            const ssize_t n = ::write(fd_, bytes + stored, size - stored);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            stored += static_cast<std::size_t>(n);
        }
        return stored;
    }

  private:
    int fd_;
};

// Emptied only once it is ours: a file held by somebody else stays as it is.
bool HoldAndEmpty(int fd) {
    struct stat status {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &status) != 0) {
        return false;
    }
    return !S_ISREG(status.st_mode) || ::ftruncate(fd, 0) == 0;
}

}  // namespace

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

std::unique_ptr<OutputFile> PosixShell::CreateOutputFile(const std::string& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    const int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    if (!HoldAndEmpty(fd)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixOutputFile>(fd);
}

}  // namespace vc
