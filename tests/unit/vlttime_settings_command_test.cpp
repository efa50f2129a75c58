#include "app/vlttime/settings_command.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/vlttime/run.h"
#include "platform/posix/cp932.h"
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
               shots +
               "\r\nBMP=1\r\nNotice=1\r\n[Alert]\r\nDawn=1\r\nLead=-5\r\n"
               "At=06:00, 24:00,12:00,,x,6:00\r\n";
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
                  "Alert.At=06:00,12:00  # ignored: \"24:00\" is not a time of the day (00:00 "
                  "to 23:59); \"\" is an empty item; \"x\" is not a time HH:MM; \"6:00\" is "
                  "listed already\n"
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

// The clock reads the file as CP932, so a folder name Notepad saved as UTF-8 is other characters.
TEST_F(SettingsCommand, AFolderNameSavedAsUtf8IsNotedWithWhatTheClockReads) {
    const std::string path = (folder / "clock.ini").string();
    const std::string utf8 = "D:\\ゲーム\\スクショ";
    const std::string present = (folder / "スクショ").string();
    std::filesystem::create_directory(present);
    const std::string note = "  # saved as UTF-8? read as CP932 this is \"";
    const std::string advice = "\"; save the file as ANSI in Notepad";
    const struct {
        const char* what;
        std::string file;
        std::string line;
    } cases[] = {
        {"UTF-8", "[ScreenShot]\r\nSaveFolder=" + utf8,
         "(the documents folder)  # default: \"" + utf8 + "\" does not exist" + note +
             "D:\\繧ｲ繝ｼ繝?\\繧ｹ繧ｯ繧ｷ繝ｧ" + advice},
        {"UTF-8, present here", "[ScreenShot]\r\nSaveFolder=" + present,
         present + note + folder.string() + "/繧ｹ繧ｯ繧ｷ繝ｧ" + advice},
        {"CP932", "[ScreenShot]\r\nSaveFolder=" + Utf8ToCp932(utf8),
         "(the documents folder)  # default: \"" + Utf8ToCp932(utf8) + "\" does not exist"},
        {"ASCII", "[ScreenShot]\r\nSaveFolder=D:\\Shots",
         "(the documents folder)  # default: \"D:\\Shots\" does not exist"},
        // Decoded after the mark and converted to the ANSI code page, which has no kana.
        {"UTF-8 after a byte order mark", "\xEF\xBB\xBF[ScreenShot]\r\nSaveFolder=" + utf8,
         "(the documents folder)  # default: \"D:\\???\\????\" does not exist"},
        {"neither UTF-8 nor CP932", "[ScreenShot]\r\nSaveFolder=D:\\\xFF\xA0",
         "(the documents folder)  # default: \"D:\\\xFF\xA0\" does not exist"},
    };
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.file << "\r\n";
        out.str("");
        EXPECT_EQ(Check(path), kExitOk) << c.what;
        const std::string shown = out.str();
        const std::string key = "ScreenShot.SaveFolder=";
        const size_t at = shown.find(key);
        ASSERT_NE(at, std::string::npos) << c.what << "\n" << shown;
        EXPECT_EQ(shown.substr(at + key.size(), shown.find('\n', at) - at - key.size()), c.line)
            << c.what;
        const bool noted = c.line.find(note) != std::string::npos;
        EXPECT_EQ(shown.find(note) != std::string::npos, noted) << c.what;
        EXPECT_EQ(shown.find(note), shown.rfind(note)) << c.what << ": the folder's line only";
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
