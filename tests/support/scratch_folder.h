#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace vc::test {

// The names of the entries of a folder, sorted.
inline std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A folder of its own for one test, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        // A parameterised test's name holds a "/": one folder, not two.
        std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '_');
        path = std::filesystem::temp_directory_path() /
               ("vc-test-" + std::to_string(::getpid()) + "-" + test);
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // As the program names files: the folder, "\", the name.
    std::string Windows(const std::string& name) const { return path.string() + "\\" + name; }
    std::filesystem::path File(const std::string& name) const { return path / name; }
    std::vector<std::string> Names() const { return FileNames(path); }

    std::filesystem::path path;
};

}  // namespace vc::test
