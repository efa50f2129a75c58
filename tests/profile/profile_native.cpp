// The differential cases through IniProfile, the portable engine.
#include "platform/posix/ini_profile.h"
#include "tests/profile/case_runner.h"

int main(int argc, char** argv) {
    return vc::profile_cases::RunnerMain(argc, argv, [](const std::filesystem::path& file) {
        return std::make_unique<vc::IniProfile>(file);
    });
}
