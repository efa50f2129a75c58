// The differential cases through the real Windows functions; run under Wine.
// Unix paths on the command line are reached through drive Z:.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/profile/case_runner.h"

namespace {

class WindowsProfile final : public vc::Profile {
  public:
    explicit WindowsProfile(std::string file) : file_(std::move(file)) {}

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) override {
        char buffer[vc::kProfileReadBuffer];
        const DWORD length = GetPrivateProfileStringA(
            std::string(section).c_str(), std::string(key).c_str(), std::string(fallback).c_str(),
            buffer, sizeof buffer, file_.c_str());
        return std::string(buffer, length);
    }
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                          std::string(value).c_str(), file_.c_str()) != FALSE;
    }
    void Flush() override { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_.c_str()); }

  private:
    std::string file_;
};

std::string WindowsPath(std::string path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return "Z:" + path;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv, argv + argc);
    std::vector<char*> converted;
    for (std::string& argument : arguments) {
        argument = WindowsPath(argument);
        converted.push_back(argument.data());
    }
    return vc::profile_cases::RunnerMain(argc, converted.data(), [](const auto& file) {
        return std::make_unique<WindowsProfile>(file.string());
    });
}
