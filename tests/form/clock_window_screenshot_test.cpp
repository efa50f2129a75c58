#include <gtest/gtest.h>

#include <sstream>

#include "framework/game_client.h"
#include "platform/posix/cp932.h"
#include "tests/form/clock_window_fixture.h"
#include "tests/support/screenshot_support.h"

namespace vc {
namespace {

namespace fs = std::filesystem;
using test::Local;

constexpr const char* kStem = "vlt_20261208_213859_0042";

// The clock with the game's window in front, its picture 32 x 24, and Ctrl+P switched on.
class ClockWindowScreenshot : public test::ClockWindowInFolder {
  protected:
    void StartClock() {
        strip = Start(Local(12, 8, 21, 38, 59, 42, 2));
        game = Desktop().OpenWindow(kGameWindowClass, test::ColourBars(32, 24));
        Desktop().foreground = game;
        strip->Form().Popup_SS->SetChecked(true);
    }
    ScriptedDesktop& Desktop() { return strip->System().scripted; }
    // The local time moves on with each tick, so that every capture has a name of its own.
    void TickHotkey() {
        strip->System().FireTimers(10);
        SystemTime now = strip->Clock().Now();
        const int ms =
            ((now.wHour * 60 + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds + 10;
        now.wMilliseconds = static_cast<std::uint16_t>(ms % 1000);
        now.wSecond = static_cast<std::uint16_t>(ms / 1000 % 60);
        now.wMinute = static_cast<std::uint16_t>(ms / 60000 % 60);
        now.wHour = static_cast<std::uint16_t>(ms / 3600000);
        strip->Clock().Set(now);
    }
    void PressCtrlP() {
        Desktop().Press(Key::Control);
        Desktop().Press(Key::P);
        TickHotkey();
        Desktop().Release(Key::P);
        Desktop().Release(Key::Control);
        TickHotkey();
    }
    std::vector<std::string> Shots() const { return test::FileNames(documents); }
    std::string ErrorBoxes() {
        std::string shown;
        for (const std::string& box : strip->System().errorBoxes) {
            shown += Cp932ToUtf8(box) + "\n";
        }
        return shown;
    }

    std::unique_ptr<ScriptedStrip> strip;
    WindowId game = 0;
};

// Each token acts on the desktop: C/P/S/A with + or - press or release Ctrl, P, Shift or
// Alt; "t" is one hotkey tick, "T" three seconds of them; "other", "game" and "gone" put
// another window or the game in front or close the game; "on"/"off" set the option.
TEST_F(ClockWindowScreenshot, OnePressOfCtrlPInFrontOfTheGameIsOneCapture) {
    const struct {
        const char* what;
        const char* script;
        int captures;
    } cases[] = {
        {"Ctrl, then P", "C+ t P+ t", 1},
        {"held for seconds", "C+ t P+ t T", 1},
        {"P again with Ctrl held", "C+ t P+ t P- t P+ t", 2},
        {"P first, then Ctrl", "P+ t C+ t T", 0},
        {"Ctrl again while P stays down", "P+ t C+ t C- t C+ t", 0},
        {"Ctrl let go before P", "C+ t C- t P+ t", 0},
        {"Shift or Alt as well", "S+ C+ t P+ t P- S- t A+ t P+ t", 2},
        {"another window in front, then the game with the keys held", "other C+ t P+ t game t T",
         0},
        {"no game running", "gone C+ t P+ t", 0},
        {"option off, on while P is held, then the next press", "off C+ t P+ t on t T P- t P+ t",
         1},
        {"P and Ctrl already down at the first tick", "C+ P+ t", 1},
    };
    for (const auto& c : cases) {
        StartClock();
        std::istringstream script(c.script);
        for (std::string token; script >> token;) {
            const std::map<char, Key> keys{
                {'C', Key::Control}, {'P', Key::P}, {'S', Key::Shift}, {'A', Key::Alt}};
            if (token == "t" || token == "T") {
                for (int i = token == "t" ? 1 : 300; i > 0; --i) {
                    TickHotkey();
                }
            } else if (token == "other") {
                Desktop().foreground = Desktop().OpenWindow("Notepad");
            } else if (token == "game") {
                Desktop().foreground = game;
            } else if (token == "gone") {
                Desktop().windows.erase(game);
            } else if (token == "on" || token == "off") {
                strip->Form().Popup_SS->SetChecked(token == "on");
            } else if (token[1] == '+') {
                Desktop().Press(keys.at(token[0]));
            } else {
                Desktop().Release(keys.at(token[0]));
            }
        }
        EXPECT_EQ(Desktop().capturesMade, c.captures) << c.what << ": " << c.script;
        EXPECT_EQ(Shots().size(), static_cast<std::size_t>(c.captures)) << c.what;
        EXPECT_EQ(ErrorBoxes(), "") << c.what;
        strip.reset();
        fs::remove_all(documents);
        fs::create_directories(documents);
    }
}

TEST_F(ClockWindowScreenshot, TheBmpComesFirstThenTheJpegUnderOneName) {
    StartClock();
    strip->Form().Put(SettingKey::Bmp, true);
    PressCtrlP();
    const std::string stem = kStem;
    ASSERT_EQ(Shots(), (std::vector<std::string>{stem + ".bmp", stem + ".jpg"}));
    EXPECT_EQ(fs::file_size(fs::path(documents) / (stem + ".bmp")), 54u + 4 * 32 * 24);
    const Bitmap decoded =
        test::DecodeJpeg(test::ReadBytes(fs::path(documents) / (stem + ".jpg"))).pixels;
    ASSERT_EQ(decoded.Width(), 32);
    EXPECT_LE(test::ChannelDistance(decoded.At(1, 12), Rgb{255, 0, 0}), 8);
    EXPECT_EQ(Desktop().capturesAlive, 0);
}

TEST_F(ClockWindowScreenshot, WithoutBmpOnlyTheJpegIsWritten) {
    StartClock();
    PressCtrlP();
    EXPECT_EQ(Shots(), std::vector<std::string>{std::string(kStem) + ".jpg"});
}

TEST_F(ClockWindowScreenshot, WithTheNoticeOnASavedPictureIsToldAndItsBalloonOpensTheFolder) {
    WriteSettings("[ScreenShot]\r\nBMP=1\r\nNotice=1\r\n");
    StartClock();
    PressCtrlP();
    const auto& tray = strip->System().tray;
    ASSERT_EQ(tray.balloons.size(), 1u);
    const TrayBalloon& balloon = tray.balloons[0];
    EXPECT_EQ(balloon.window, tray.calls.at(0).data.window) << "over the clock's own icon";
    EXPECT_EQ(balloon.id, tray.calls.at(0).data.id);
    EXPECT_EQ(Cp932ToUtf8(balloon.title), "スクリーンショットを保存しました");
    EXPECT_EQ(Cp932ToUtf8(balloon.text),
              std::string(kStem) + ".bmp と " + kStem +
                  ".jpg を保存しました。クリックするとフォルダーを開きます。");
    EXPECT_EQ(balloon.timing, BalloonTiming::Queued) << "a saved file is news later too";
    EXPECT_EQ(tray.calls.size(), 1u) << "the icon's own record is not touched";
    TMyCallback& receiver = test::TrayReceiver(strip->Form());
    receiver.TrayMouseAction({balloon.id, TrayMouse::Kind::BalloonClick, TMouseButton::mbLeft});
    EXPECT_EQ(Desktop().shownInFolder, std::vector<std::string>{documents + "\\" + kStem + ".jpg"});
    EXPECT_TRUE(strip->System().menus.empty()) << "a balloon click is not an icon click";
    EXPECT_TRUE(Desktop().raised.empty());
    receiver.TrayMouseAction({balloon.id, TrayMouse::Kind::BalloonClick, TMouseButton::mbLeft});
    EXPECT_EQ(Desktop().shownInFolder.size(), 1u) << "one balloon, one folder";
}

TEST_F(ClockWindowScreenshot, NoNoticeUnlessSwitchedOnNorAfterAFailedCapture) {
    for (const char* settingsText : {"", "[ScreenShot]\r\nNotice=0\r\n"}) {
        WriteSettings(settingsText);
        StartClock();
        PressCtrlP();
        EXPECT_EQ(Shots().size(), 1u);
        EXPECT_TRUE(strip->System().tray.balloons.empty()) << settingsText;
        strip.reset();
        fs::remove_all(documents);
        fs::create_directories(documents);
    }
    WriteSettings("[ScreenShot]\r\nNotice=1\r\n");
    StartClock();
    strip->Form().Put(SettingKey::SaveFolder, documents + "/gone");
    PressCtrlP();
    EXPECT_NE(ErrorBoxes(), "");
    EXPECT_TRUE(strip->System().tray.balloons.empty());
}

TEST_F(ClockWindowScreenshot, AFailedCaptureShowsItsErrorFreesTheCaptureAndTheNextPressTriesAgain) {
    const std::string missing = documents + "/gone";
    const std::string bmp = missing + "\\" + kStem + ".bmp";
    const std::string jpg = missing + "\\" + kStem + ".jpg";
    const auto fullDisk = [&](const char* extension) {
        fs::create_symlink("/dev/full", fs::path(documents) / (std::string(kStem) + extension));
    };
    const struct {
        const char* what;
        bool saveBmp;
        std::string folder;
        std::function<void()> arrange;
        std::string errorBox;
        std::vector<std::string> left;  // files in the folder afterwards, with their sizes
    } cases[] = {
        {"missing folder, BMP on",
         true,
         missing,
         [] {},
         "Veltriaclock: ファイル " + bmp + " を作成できません.\n",
         {}},
        {"missing folder, BMP off",
         false,
         missing,
         [] {},
         "Veltriaclock: ファイル " + jpg + " を作成できません.\n",
         {}},
        {"full disk at the BMP",
         true,
         documents,
         [&] { fullDisk(".bmp"); },
         "Veltriaclock: ストリームへの書き込みエラー.\n",
         {std::string(kStem) + ".bmp full"}},
        {"full disk at the JPEG: the BMP stays",
         true,
         documents,
         [&] { fullDisk(".jpg"); },
         "Veltriaclock: ストリームへの書き込みエラー.\n",
         {std::string(kStem) + ".bmp 3126", std::string(kStem) + ".jpg full"}},
        {"no resources for the copy",
         false,
         documents,
         [&] { Desktop().failCopies = true; },
         "Veltriaclock: システム リソースが足りません.\n",
         {}},
    };
    for (const auto& c : cases) {
        StartClock();
        strip->Form().Put(SettingKey::Bmp, c.saveBmp);
        strip->Form().Put(SettingKey::SaveFolder, std::string(c.folder));
        c.arrange();
        PressCtrlP();
        EXPECT_EQ(ErrorBoxes(), c.errorBox) << c.what;
        std::vector<std::string> left;
        for (const std::string& name : Shots()) {
            const fs::path file = fs::path(documents) / name;
            left.push_back(name + " " +
                           (fs::is_symlink(file) ? "full" : std::to_string(fs::file_size(file))));
        }
        EXPECT_EQ(left, c.left) << c.what;
        EXPECT_EQ(Desktop().capturesAlive, 0) << c.what;
        EXPECT_TRUE(strip->Form().Timer1->Running()) << c.what;
        strip->System().errorBoxes.clear();
        PressCtrlP();
        EXPECT_EQ(Desktop().capturesMade, 2) << c.what;
        strip.reset();
        fs::remove_all(documents);
        fs::create_directories(documents);
    }
}

// The box's loop runs the hotkey timer on: the player, who sees no box behind the game,
// presses again, perhaps after mending the cause. Each press is tried; none opens a second box.
TEST_F(ClockWindowScreenshot, WhileAFailedCapturesBoxIsOpenEachPressIsTriedWithoutASecondBox) {
    const struct {
        const char* what;
        std::string folderWhileOpen;
        std::vector<std::string> savedWhileOpen;
    } cases[] = {
        {"a press that fails again", documents + "/gone", {}},
        {"a press with the folder back", documents, {".bmp", ".jpg"}},
    };
    for (const auto& c : cases) {
        StartClock();
        strip->Form().Put(SettingKey::Bmp, true);
        strip->Form().Put(SettingKey::SaveFolder, documents + "/gone");
        std::vector<std::string> savedWhileOpen;
        std::size_t boxesWhileOpen = 0;
        strip->System().whileErrorBoxOpen = [&] {
            strip->Form().Put(SettingKey::SaveFolder, c.folderWhileOpen);
            PressCtrlP();
            for (const std::string& name : Shots()) {
                savedWhileOpen.push_back(fs::path(name).extension().string());
            }
            boxesWhileOpen = strip->System().errorBoxes.size();
        };
        PressCtrlP();
        EXPECT_EQ(Desktop().capturesMade, 2) << c.what << ": the press in the box was tried";
        EXPECT_EQ(savedWhileOpen, c.savedWhileOpen) << c.what;
        EXPECT_EQ(boxesWhileOpen, 1u) << c.what << ": " << ErrorBoxes();
        EXPECT_EQ(strip->System().errorBoxes.size(), 1u) << c.what << ": " << ErrorBoxes();

        // OK, the folder back: the next press saves.
        strip->Form().Put(SettingKey::SaveFolder, documents);
        PressCtrlP();
        EXPECT_EQ(Shots().size(), c.savedWhileOpen.size() + 2) << c.what;
        EXPECT_EQ(strip->System().errorBoxes.size(), 1u) << c.what;
        strip.reset();
        fs::remove_all(documents);
        fs::create_directories(documents);
    }
}

TEST_F(ClockWindowScreenshot, AGameWindowThatGoesAwayBeforeItIsMeasuredIsNotCaptured) {
    StartClock();
    Desktop().beforeMeasure = [&] { Desktop().windows.clear(); };
    PressCtrlP();
    EXPECT_EQ(Desktop().capturesMade, 0);
    EXPECT_TRUE(Shots().empty());
    EXPECT_EQ(ErrorBoxes(), "");
}

TEST_F(ClockWindowScreenshot, AGameWindowThatGoesAwayBetweenMeasureAndCopyLeavesNoFileNorBox) {
    StartClock();
    Desktop().beforeCopy = [&] { Desktop().windows.clear(); };
    strip->Form().Put(SettingKey::Bmp, true);
    PressCtrlP();
    EXPECT_TRUE(Shots().empty());
    EXPECT_EQ(ErrorBoxes(), "");
}

TEST_F(ClockWindowScreenshot, AnEmptyClientAreaGivesEmptyFiles) {
    StartClock();
    Desktop().windows[game].client = Bitmap(0, 24);
    strip->Form().Put(SettingKey::Bmp, true);
    PressCtrlP();
    const std::string stem = kStem;
    ASSERT_EQ(Shots(), (std::vector<std::string>{stem + ".bmp", stem + ".jpg"}));
    EXPECT_EQ(fs::file_size(fs::path(documents) / (stem + ".bmp")), 0u);
    EXPECT_EQ(fs::file_size(fs::path(documents) / (stem + ".jpg")), 0u);
}

// What Windows 10 and 11 do that Wine does not: DPI contexts, DirectX games, elevation.
class ClockWindowOnWindows : public test::ClockWindowInFolder {
  protected:
    ClockWindowOnWindows() : strip(Start(Local(12, 8, 21, 38, 59, 42, 2))) {
        game = Desktop().OpenWindow(kGameWindowClass, test::ColourBars(32, 24));
        Desktop().foreground = game;
    }
    ScriptedDesktop& Desktop() { return strip->System().scripted; }
    void PressCtrlP() {
        Desktop().Press(Key::Control);
        Desktop().Press(Key::P);
        strip->System().FireTimers(10);
        Desktop().Release(Key::P);
        Desktop().Release(Key::Control);
        strip->System().FireTimers(10);
    }
    Bitmap SavedPicture() {
        return test::DecodeJpeg(test::ReadBytes(std::filesystem::path(documents) /
                                                "vlt_20261208_213859_0042.jpg"))
            .pixels;
    }

    std::unique_ptr<ScriptedStrip> strip;
    WindowId game = 0;
};

constexpr DpiContext kClockContext = 0x11;  // the clock's own: per-monitor aware
constexpr DpiContext kGameContext = 0x22;   // a DPI-aware game

TEST_F(ClockWindowOnWindows, TheGameIsMeasuredAndCopiedInItsOwnDpiContext) {
    struct Case {
        const char* what;
        DpiContext system;  // 0: a system without DPI contexts
        bool captureFails;
        std::vector<DpiContext> switches;
    };
    const Case cases[] = {
        {"switched and restored", kClockContext, false, {kGameContext, kClockContext}},
        {"restored also when the capture fails",
         kClockContext,
         true,
         {kGameContext, kClockContext}},
        {"before Windows 10 1607 nothing changes", 0, false, {}},
    };
    for (const Case& c : cases) {
        Desktop().windows[game].dpi = c.system == 0 ? 0 : kGameContext;
        Desktop().threadDpi = c.system;
        Desktop().dpiSwitches.clear();
        Desktop().failCaptures = c.captureFails;
        strip->System().errorBoxes.clear();
        PressCtrlP();
        EXPECT_EQ(Desktop().dpiSwitches, c.switches) << c.what;
        EXPECT_EQ(Desktop().threadDpi, c.system) << c.what;
        EXPECT_EQ(strip->System().errorBoxes.size(), c.captureFails ? 1u : 0u) << c.what;
    }
}

// Without DPI contexts a DPI-aware game on a scaled display is measured in the clock's scaled
// units; its frame as the compositor has it gives the scale, and the whole client is taken.
TEST_F(ClockWindowOnWindows, WithoutDpiContextsAScaledGameIsMeasuredByItsPhysicalFrame) {
    const struct {
        const char* what;
        DpiContext system;
        double scale;
        Size saved;
    } cases[] = {
        {"Windows 8.1 at 150 %", 0, 1.5, {48, 36}},
        {"Windows 8.1 at 100 %", 0, 1.0, {48, 36}},
        {"Windows 10 1607 or later: its own context, no scaling", kClockContext, 1.5, {48, 36}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(documents);
        std::filesystem::create_directories(documents);
        Desktop().windows[game].client = test::ColourBars(48, 36);
        Desktop().windows[game].dpi = c.system == 0 ? 0 : kGameContext;
        Desktop().threadDpi = c.system;
        // In its own context the game is measured in physical pixels.
        Desktop().physicalScale = c.system == 0 ? c.scale : 1.0;
        PressCtrlP();
        const Bitmap saved = SavedPicture();
        EXPECT_EQ((Size{saved.Width(), saved.Height()}), c.saved) << c.what;
        EXPECT_LE(test::ChannelDistance(saved.At(46, 18), test::ColourBars(48, 36).At(46, 18)), 8)
            << c.what << ": the right edge is the game's, not white";
    }
}

// A flip-model DirectX game leaves the ordinary copy black; it prints its real picture.
TEST_F(ClockWindowOnWindows, ABlackCopyOfAVisibleGameIsTakenAgainAsTheGamePrintsItself) {
    struct Case {
        const char* what;
        Bitmap copy;
        std::optional<Bitmap> printed;
        bool visible;
        int prints;
        Rgb expected;  // at the first bar
    };
    const Bitmap black(32, 24, Rgb{0, 0, 0});
    const Bitmap bars = test::ColourBars(32, 24);
    const Case cases[] = {
        {"DirectX game: black copy, printed bars", black, bars, true, 1, Rgb{255, 0, 0}},
        {"a truly black game stays black", black, black, true, 1, Rgb{0, 0, 0}},
        {"a game that does not print itself keeps its copy", black, std::nullopt, true, 1,
         Rgb{0, 0, 0}},
        {"a hidden game is not asked", black, bars, false, 0, Rgb{0, 0, 0}},
        {"an ordinary picture is not asked", bars, black, true, 0, Rgb{255, 0, 0}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(documents);
        std::filesystem::create_directories(documents);
        ScriptedDesktop::Window& window = Desktop().windows[game];
        window.client = c.copy;
        window.printed = c.printed;
        window.visible = c.visible;
        Desktop().printsMade = 0;
        PressCtrlP();
        EXPECT_EQ(Desktop().printsMade, c.prints) << c.what;
        EXPECT_LE(test::ChannelDistance(SavedPicture().At(1, 12), c.expected), 8) << c.what;
        EXPECT_EQ(Desktop().capturesAlive, 0) << c.what;
    }
}

TEST_F(ClockWindowOnWindows, ALauncherThatNeedsAdministratorRightsIsStartedThroughTheShell) {
    struct Case {
        StartResult result;
        std::size_t elevated;
    };
    for (const Case& c : {Case{StartResult::Started, 0}, Case{StartResult::Failed, 0},
                          Case{StartResult::NeedsElevation, 1}}) {
        Desktop().startResult = c.result;
        Desktop().startedElevated.clear();
        strip->Choose(strip->Form().Popup_execute);
        ASSERT_EQ(Desktop().startedElevated.size(), c.elevated);
        if (c.elevated == 1) {
            EXPECT_EQ(Desktop().startedElevated[0].first, kLauncherPath);
            EXPECT_EQ(Desktop().startedElevated[0].second, kLauncherFolder);
        }
        EXPECT_TRUE(strip->System().errorBoxes.empty()) << "every failure stays silent";
    }
}

}  // namespace
}  // namespace vc
