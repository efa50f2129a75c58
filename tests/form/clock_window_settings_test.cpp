#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/posix/cp932.h"
#include "tests/form/clock_window_fixture.h"

namespace vc {
namespace {

namespace fs = std::filesystem;
using test::Local;

using ClockWindowSettings = test::ClockWindowInFolder;

// A program named "表.exe": its CP932 trail byte 0x5C is not a separator, so the settings
// file is "表.ini" beside it, and without a documents folder screenshots go to its folder.
TEST_F(ClockWindowSettings, AProgramWhoseNameEndsInA5CTrailByteFindsItsFolderAndFile) {
    const std::string hyo = "\x95\x5C";
    program = (folder / (hyo + ".exe")).string();
    settings = (folder / (hyo + ".ini")).string();
    WriteSettings("[ScreenShot]\r\nBMP=1\r\n");
    ScriptedStrip strip(Local(3, 1, 0, 0, 0), program, std::nullopt);
    EXPECT_TRUE(strip.Setting<bool>(SettingKey::Bmp)) << "read from " << settings;
    EXPECT_EQ(strip.Setting<std::string>(SettingKey::SaveFolder), folder.string());
}

TEST_F(ClockWindowSettings, FirstRunStartsWithDefaultsAndTheFirstExitWritesTwelveKeys) {
    auto strip = Start();
    TFormVT555& form = strip->Form();
    EXPECT_EQ(strip->Window().Bounds(), RectAt(0, 0, 175, 38));
    EXPECT_TRUE(form.Popup_24Hour->Checked());
    EXPECT_FALSE(form.Popup_ShowRTime->Checked());
    EXPECT_TRUE(form.Popup_SS->Checked());
    EXPECT_EQ(std::get<std::string>(form.Get(SettingKey::SaveFolder)), documents);
    EXPECT_FALSE(std::get<bool>(form.Get(SettingKey::Bmp)));
    EXPECT_FALSE(fs::exists(settings)) << "loading writes nothing";
    Save(*strip);
    EXPECT_TRUE(strip->System().errorBoxes.empty());
    EXPECT_EQ(ReadSettings(),
              "[VeltriaTime]\r\nXPos=0\r\nYPos=0\r\nColor=FFFFFF\r\n24Hour=1\r\n"
              "[RealTime]\r\nShow=0\r\nColor=FFFFFF\r\n"
              "[BackGroundColor]\r\nDayOrNight=0\r\nDefaultColor=000000\r\nDayColor=FF0000\r\n"
              "NightColor=00007F\r\n"
              "[ScreenShot]\r\nCtrlP_Save=1\r\nSaveFolder=" +
                  documents + "\r\n");
}

TEST_F(ClockWindowSettings, AStripSavedFlushRightStartsHalfItsWidthFurtherLeft) {
    WriteSettings("[VeltriaTime]\r\nXPos=1745\r\nYPos=1042\r\n");  // desktop 1920 x 1080
    auto strip = Start();
    EXPECT_EQ(strip->Window().Bounds(), RectAt(1920 - 350, 1042, 175, 38));
    Save(*strip);
    EXPECT_NE(ReadSettings().find("XPos=1570"), std::string::npos);
}

TEST_F(ClockWindowSettings, StoredValuesTakeEffectAtStart) {
    WriteSettings(
        "[VeltriaTime]\r\nXPos=$64\r\nYPos=x64\r\n24Hour=2\r\nColor=ff8000\r\n"
        "[RealTime]\r\nShow=1\r\nColor=80000008\r\n"
        "[BackGroundColor]\r\nDayOrNight=1\r\nDayColor=00FF00\r\nNightColor=12 34\r\n"
        "[ScreenShot]\r\nCtrlP_Save=0\r\nBMP=1\r\n");
    auto strip = Start();
    TFormVT555& form = strip->Form();
    EXPECT_EQ(strip->Window().Bounds(), RectAt(100, 100, 350, 38));
    EXPECT_TRUE(form.Popup_ShowRTime->Checked());
    EXPECT_TRUE(form.Popup_RColor->Visible());
    EXPECT_EQ(form.Label_VTime->Font().Color, 0xFF8000u);
    EXPECT_EQ(form.Label_RTime->Font().Color, 0x80000008u);
    EXPECT_TRUE(form.Popup_BGColor->Checked());
    EXPECT_EQ(std::get<TColor>(form.Get(SettingKey::DayColor)), 0x00FF00u);
    EXPECT_EQ(std::get<TColor>(form.Get(SettingKey::NightColor)), 0x00007Fu);
    EXPECT_EQ(form.Label_VTime->Color(), std::get<TColor>(form.Get(SettingKey::NightColor)))
        << "game 23:56:48 is night";
    EXPECT_FALSE(form.Popup_SS->Checked());
    EXPECT_TRUE(std::get<bool>(form.Get(SettingKey::Bmp)));
    Save(*strip);
    const std::string saved = ReadSettings();
    for (const char* line :
         {"24Hour=1", "Color=FF8000", "Color=80000008", "NightColor=00007F", "BMP=1", "Show=1"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
}

TEST_F(ClockWindowSettings, UnknownLinesAndTheUsersBmpKeyAreKept) {
    WriteSettings("; mine\r\n[Other]\r\nkeep=this\r\n[ScreenShot]\r\nBMP=1\r\nNote=x\r\n");
    auto strip = Start();
    Save(*strip);
    Save(*strip);
    const std::string saved = ReadSettings();
    for (const char* line : {"; mine", "[Other]", "keep=this", "BMP=1", "Note=x"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
}

TEST_F(ClockWindowSettings, AStoredFolderIsAdoptedOnlyWhenItExists) {
    fs::create_directories(folder / "Shots");
    fs::create_symlink(folder / "Docs", folder / "docs");
    struct Case {
        std::string stored;
        std::string used;
    };
    for (const Case& c :
         {Case{(folder / "Shots").string(), (folder / "Shots").string()},
          Case{(folder / "Nowhere").string(), documents}, Case{settings, documents},
          Case{"", documents}, Case{(folder / "docs").string(), (folder / "docs").string()}}) {
        WriteSettings("[ScreenShot]\r\nSaveFolder=" + c.stored + "\r\n");
        auto strip = Start();
        EXPECT_EQ(strip->Setting<std::string>(SettingKey::SaveFolder), c.used) << c.stored;
    }
}

TEST_F(ClockWindowSettings, AFailedSaveShowsTheErrorAndTheClockRunsOn) {
    fs::create_directories(settings);  // a folder where the file should be
    auto strip = Start();
    TFormVT555& form = strip->Form();
    form.Popup_BGColor->SetChecked(true);
    Save(*strip);
    ASSERT_EQ(strip->System().errorBoxes.size(), 1u);
    EXPECT_EQ(Cp932ToUtf8(strip->System().errorBoxes[0]),
              "Veltriaclock: " + settings + " に書き込めません.");
    EXPECT_TRUE(fs::is_directory(settings));
    EXPECT_TRUE(form.Popup_BGColor->Checked());
    EXPECT_TRUE(form.TimerVT->Running());
    strip->System().FireTimers(1);
    EXPECT_EQ(Cp932ToUtf8(form.Label_VTime->Caption()), "555年03月008日  23:56:48");
}

}  // namespace
}  // namespace vc
