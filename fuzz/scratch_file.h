#pragma once
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace vc::fuzz {

// One file in a folder of this process's own, removed at exit. The engine opens its file a few
// times per call, so the folder is in memory where the system has such a place.
inline const std::filesystem::path& ScratchFile(const std::string& name) {
    struct Scratch {
        explicit Scratch(const std::string& fileName) {
            std::error_code error;
            const std::filesystem::path memory = "/dev/shm";
            const std::filesystem::path base = std::filesystem::is_directory(memory, error)
                                                   ? memory
                                                   : std::filesystem::temp_directory_path();
            folder = base / ("vc_fuzz." + std::to_string(::getpid()));
            std::filesystem::create_directories(folder);
            file = folder / fileName;
        }
        ~Scratch() {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
        std::filesystem::path folder;
        std::filesystem::path file;
    };
    static const Scratch scratch(name);
    return scratch.file;
}

}  // namespace vc::fuzz
