#include "app/vlttime/settings_command.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/vlttime/run.h"
#include "platform/posix/posix_shell.h"
#include "tests/support/scratch_folder.h"

namespace vc::vlttime {
namespace {

class NoSleeper final : public Sleeper {
  public:
    void SleepMs(int) override {}
};

// What this process has read from files so far, in bytes.
std::uint64_t BytesRead() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::uint64_t count = 0;
    while (io >> name >> count) {
        if (name == "rchar:") {
            return count;
        }
    }
    return 0;
}

class SettingsCommand : public testing::Test {
  protected:
    int Check(const std::string& path) {
        const SetClock clock;
        NoSleeper sleeper;
        const std::vector<std::string_view> args{"settings", path};
        return vlttime::Run(args, {clock, sleeper, out, err, [] { return true; }});
    }

    test::ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.path;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SettingsCommand, ShowsEachKeyAsTheClockTakesItAndWhyADefaultApplies) {
    const std::string path = (folder / "clock.ini").string();
    const std::string shots = (folder / "Shots").string();
    std::filesystem::create_directory(shots);
    std::ofstream(path)
        << "[VeltriaTime]\r\nXPos=0x64\r\nYPos=100px\r\n24Hour=2\r\nColor=ff8000\r\n"
           "[RealTime]\r\nColor=80000008\r\nShow=yes\r\n"
           "[BackGroundColor]\r\nDayColor=0x00FF00\r\nNightColor=12 34\r\n"
           "DefaultColor=-FF\r\n[ScreenShot]\r\nSaveFolder=" +
               shots + "\r\nBMP=1\r\nNotice=1\r\n[Alert]\r\nDawn=1\r\nLead=-5\r\n";
    EXPECT_EQ(Check(path), kExitOk);
    EXPECT_EQ(out.str(),
              "VeltriaTime.XPos=100\n"
              "VeltriaTime.YPos=0  # default: \"100px\" is not a whole number\n"
              "VeltriaTime.24Hour=1\n"
              "VeltriaTime.Color=FF8000\n"
              "RealTime.Show=0  # default: \"yes\" is not a number (0 off, anything else on)\n"
              "RealTime.Color=80000008\n"
              "BackGroundColor.DayOrNight=0  # default: missing\n"
              "BackGroundColor.DefaultColor=000000  # default: \"-FF\" is not hexadecimal "
              "digits BBGGRR\n"
              "BackGroundColor.DayColor=FF0000  # default: \"0x00FF00\" is not hexadecimal "
              "digits BBGGRR\n"
              "BackGroundColor.NightColor=00007F  # default: \"12 34\" is not hexadecimal "
              "digits BBGGRR\n"
              "ScreenShot.CtrlP_Save=1  # default: missing\n"
              "ScreenShot.SaveFolder=" +
                  shots +
                  "\n"
                  "ScreenShot.BMP=1\n"
                  "Alert.Dusk=0  # default: missing\n"
                  "Alert.Dawn=1\n"
                  "Alert.Lead=60  # default: \"-5\" is not a whole number from 0 up\n"
                  "ScreenShot.Notice=1\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(SettingsCommand, SaysWhyAStoredFolderIsNotUsed) {
    const std::string path = (folder / "clock.ini").string();
    for (const auto& [stored, why] : {std::pair{(folder / "none").string(), "does not exist"},
                                      std::pair{path, "is not a folder"}}) {
        std::ofstream(path) << "[ScreenShot]\nSaveFolder=" << stored << "\n";
        out.str("");
        EXPECT_EQ(Check(path), kExitOk);
        EXPECT_NE(out.str().find("ScreenShot.SaveFolder=(the documents folder)  # default: \"" +
                                 stored + "\" " + why),
                  std::string::npos)
            << out.str();
    }
}

TEST_F(SettingsCommand, AKeyWhoseTextIsAControlByteIsThereNotMissing) {
    const std::string path = (folder / "clock.ini").string();
    std::ofstream(path) << "[VeltriaTime]\r\nColor=\x01\r\nXPos=\x02\r\n";
    EXPECT_EQ(Check(path), kExitOk);
    const std::string shown = out.str();
    EXPECT_NE(shown.find("VeltriaTime.Color=FFFFFF  # default: \"\x01\" is not hexadecimal digits "
                         "BBGGRR\n"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find("VeltriaTime.XPos=0  # default: \"\x02\" is not a whole number\n"),
              std::string::npos)
        << shown;
}

TEST_F(SettingsCommand, AMissingFileIsAllDefaultsAndAFolderIsAnError) {
    EXPECT_EQ(Check((folder / "none.ini").string()), kExitOk);
    EXPECT_EQ(
        out.str().substr(0, out.str().find('\n')),
        "# " + (folder / "none.ini").string() + " does not exist: every key takes its default");
    EXPECT_EQ(Check(folder.string()), kExitUsage);
    EXPECT_EQ(err.str(),
              "vlttime: settings: " + folder.string() + " is a folder, not a settings file\n");
}

// A reading per key made a settings file of 50 MiB take minutes to describe.
TEST_F(SettingsCommand, ReadsTheFileOnceForAllItsKeys) {
    const std::string path = (folder / "clock.ini").string();
    std::string filler;
    for (int i = 0; filler.size() < 64 * 1024; ++i) {
        filler += "k" + std::to_string(i) + "=0123456789ABCDEF\r\n";
    }
    std::ofstream(path, std::ios::binary) << "[Filler]\r\n"
                                          << filler << "[VeltriaTime]\r\nXPos=120\r\n";
    const std::uint64_t size = std::filesystem::file_size(path);
    const std::uint64_t before = BytesRead();
    ASSERT_GT(before, 0u) << "/proc/self/io counts no reads";
    const std::vector<std::string> lines = DescribeSettings(path, PosixShell(path, std::nullopt));
    const std::uint64_t read = BytesRead() - before;
    EXPECT_EQ(lines.front(), "VeltriaTime.XPos=120");
    EXPECT_GE(read, size);
    EXPECT_LT(read, 2 * size);
}

}  // namespace
}  // namespace vc::vlttime
