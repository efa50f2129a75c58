#include <gtest/gtest.h>

#include "platform/posix/cp932.h"
#include "tests/form/clock_window_fixture.h"

namespace vc {
namespace {

using test::Local;

// The strip at the top-left corner; the button panel covers x 2..19, y 10..27.
class ClockWindowCommands : public test::ClockWindowInFolder {
  protected:
    ClockWindowCommands() : strip(Start()), form(strip->Form()), system(strip->System()) {}

    void Choose(TMenuItem* item) { strip->Choose(item); }
    void Tick() { system.FireTimers(1); }

    std::unique_ptr<ScriptedStrip> strip;
    TFormVT555& form;
    ScriptedWindowSystem& system;
};

TEST_F(ClockWindowCommands, TheLauncherItemHidesWhileTheGameRuns) {
    system.scripted.OpenWindow("VLT-CL");
    Tick();
    EXPECT_FALSE(form.Popup_execute->Visible());
    test::Click(*form.PanelX, Point{5, 5});
    ASSERT_EQ(system.menus.size(), 1u);
    EXPECT_EQ(Cp932ToUtf8(system.menus[0].entries[0].caption), "24時間表記(&2)");
    system.scripted.windows.clear();
    Tick();
    EXPECT_TRUE(form.Popup_execute->Visible());
}

// The 24-hour item is the only one without a key: it gets "2" in the form of the system's
// code page, from the first opening on; the keyed items stay as they are.
TEST(ClockWindowAccessKeys, TheTwentyFourHourItemGetsTwoInTheSystemsForm) {
    const struct {
        bool doubleByte;
        const char* expected;
    } cases[] = {{true, "24時間表記(&2)"}, {false, "&24時間表記"}};
    for (const auto& c : cases) {
        ScriptedStrip strip(test::Local(3, 1, 12, 0, 0));
        strip.System().doubleByteCodePage = c.doubleByte;
        TFormVT555& form = strip.Form();
        for (int opening = 0; opening < 2; ++opening) {
            test::Click(*form.PanelX, Point{5, 5});
        }
        ASSERT_EQ(strip.System().menus.size(), 2u);
        for (const auto& shown : strip.System().menus) {
            std::vector<std::string> captions;
            for (const MenuEntry& entry : shown.entries) {
                captions.push_back(Cp932ToUtf8(entry.caption));
            }
            ASSERT_GE(captions.size(), 3u);
            EXPECT_EQ(captions[1], c.expected);
            EXPECT_EQ(captions[0], "VeltriaRuneを実行(&X)") << "keyed items stay";
            EXPECT_EQ(captions[2], "リアル時間の表示(&S)");
            EXPECT_EQ(captions.back(), "終了(&E)");
        }
    }
}

TEST_F(ClockWindowCommands, TheButtonShowsItsThreeLooks) {
    struct Step {
        Point cursor;
        bool leftDown;
        const TImage* look;
    };
    const Step steps[] = {
        {{100, 20}, false, form.Image_BtnNormal}, {{2, 10}, false, form.Image_BtnOver},
        {{19, 27}, true, form.Image_BtnDown},     {{20, 27}, true, form.Image_BtnNormal},
        {{10, 9}, false, form.Image_BtnNormal},   {{500, 500}, true, form.Image_BtnNormal},
        {{10, 15}, true, form.Image_BtnDown},     {{10, 15}, false, form.Image_BtnOver},
    };
    for (const Step& step : steps) {
        system.scripted.cursor = step.cursor;
        if (step.leftDown) {
            system.scripted.Press(Key::LeftButton);
        } else {
            system.scripted.Release(Key::LeftButton);
        }
        Tick();
        EXPECT_EQ(form.ImageX->Picture(), step.look->Picture())
            << step.cursor.x << "," << step.cursor.y << (step.leftDown ? " down" : "");
    }
}

TEST_F(ClockWindowCommands, RealTimeOnAndOffResizesTheStripWithItsColourItem) {
    Choose(form.Popup_ShowRTime);
    EXPECT_EQ(strip->Window().Bounds().Width(), 350);
    EXPECT_TRUE(form.Popup_ShowRTime->Checked());
    EXPECT_TRUE(form.Popup_RColor->Visible());
    Choose(form.Popup_ShowRTime);
    EXPECT_EQ(strip->Window().Bounds().Width(), 175);
    EXPECT_FALSE(form.Popup_RColor->Visible());
    EXPECT_EQ(strip->Window().Bounds().Height(), 38);
}

TEST_F(ClockWindowCommands, DayNightPaintsAtOnceAndHourModeAndHotkeyToggle) {
    Choose(form.Popup_BGColor);  // game 23:56:48: night
    EXPECT_EQ(form.Label_VTime->Color(), strip->Setting<TColor>(SettingKey::NightColor));
    EXPECT_EQ(form.Image_BG->Picture().At(0, 0),
              ToRgb(strip->Setting<TColor>(SettingKey::NightColor)));
    Choose(form.Popup_BGColor);
    EXPECT_EQ(form.Label_RTime->Color(), strip->Setting<TColor>(SettingKey::DefaultColor));
    Choose(form.Popup_24Hour);
    EXPECT_FALSE(form.Popup_24Hour->Checked());
    Choose(form.Popup_SS);
    EXPECT_FALSE(form.Popup_SS->Checked());
}

TEST_F(ClockWindowCommands, TheColourDialogStartsOnItsLastConfirmedColour) {
    system.nextColourChoice = 0x00FF00;
    Choose(form.Popup_VColor);
    system.nextColourChoice = std::nullopt;  // cancelled
    Choose(form.Popup_RColor);
    EXPECT_EQ(system.colourDialogs, (std::vector<TColor>{clBlack, 0x00FF00}))
        << "black first, although the label is white";
    EXPECT_EQ(form.Label_VTime->Font().Color, 0x00FF00u);
    EXPECT_EQ(form.Label_RTime->Font().Color, clWhite) << "cancel changes nothing";
}

TEST_F(ClockWindowCommands, TheLauncherIsStartedFromItsFolder) {
    Choose(form.Popup_execute);
    ASSERT_EQ(system.scripted.started.size(), 1u);
    EXPECT_EQ(system.scripted.started[0].first, "D:\\Game\\VeltriaRune\\VLTLauncher.exe");
    EXPECT_EQ(system.scripted.started[0].second, "D:\\Game\\VeltriaRune");
}

TEST_F(ClockWindowCommands, OnlyTheExitCommandWritesTheSettingsAndThenQuits) {
    for (TMenuItem* item :
         {form.Popup_24Hour, form.Popup_ShowRTime, form.Popup_BGColor, form.Popup_SS}) {
        Choose(item);
    }
    Tick();
    EXPECT_FALSE(std::filesystem::exists(settings));
    EXPECT_FALSE(system.terminated);
    Choose(form.Popup_Exit);
    EXPECT_TRUE(system.terminated);
    EXPECT_NE(ReadSettings().find("24Hour=0"), std::string::npos);
    EXPECT_NE(ReadSettings().find("Show=1"), std::string::npos);
}

TEST_F(ClockWindowCommands, AFailedExitKeepsTheClockRunning) {
    std::filesystem::create_directories(settings);
    Choose(form.Popup_Exit);
    EXPECT_FALSE(system.terminated);
    ASSERT_EQ(system.errorBoxes.size(), 1u);
    EXPECT_EQ(Cp932ToUtf8(system.errorBoxes[0]),
              "Veltriaclock: " + settings + " に書き込めません.");
    std::filesystem::remove(settings);
    Choose(form.Popup_Exit);
    EXPECT_TRUE(system.terminated) << "choosing it again retries the whole save";
}

TEST_F(ClockWindowCommands, TheStripStaysOnTheDesktop) {
    struct Move {
        Point to;
        Point at;
    };
    for (const Move& m : {Move{{-5, -9}, {0, 0}}, Move{{5000, 10}, {1920 - 175, 10}},
                          Move{{1920 - 175, 1080 - 38}, {1920 - 175, 1080 - 38}},
                          Move{{300, 2000}, {300, 1080 - 38}}}) {
        form.SetPosition(m.to.x, m.to.y);
        EXPECT_EQ((Point{form.Left(), form.Top()}), m.at) << m.to.x << "," << m.to.y;
    }
    EXPECT_TRUE(form.DragsByAnyPoint());
    EXPECT_FALSE(form.PanelX->DragsByAnyPoint()) << "the button takes clicks";
}

class ClockWindowTray : public test::ClockWindow {
  protected:
    ScriptedWindowSystem& System() { return strip.System(); }
    TMyCallback& Receiver() { return test::TrayReceiver(Form()); }
};

TEST_F(ClockWindowTray, TheIconComesWithTheWindowAndGoesWithIt) {
    ASSERT_EQ(System().tray.calls.size(), 1u);
    const auto added = System().tray.calls[0];
    EXPECT_EQ(added.action, TrayAction::Add);
    EXPECT_EQ(added.data.tip, "VeltriaClock");
    EXPECT_EQ(added.data.icon, HeadlessWindowSystem::kIcon);
    EXPECT_EQ(added.data.window, Receiver().Window());
    Form().TaskbarCreated();
    ASSERT_EQ(System().tray.calls.size(), 2u);
    EXPECT_EQ(System().tray.calls[1].action, TrayAction::Add) << "added again for the new taskbar";
    Form().Destroy();
    ASSERT_EQ(System().tray.calls.size(), 3u);
    EXPECT_EQ(System().tray.calls[2].action, TrayAction::Delete);
    EXPECT_EQ(System().tray.calls[2].data.id, added.data.id);
}

TEST_F(ClockWindowTray, ALeftReleaseOnTheIconRaisesTheClockAndOpensTheMenuAtThePointer) {
    System().scripted.cursor = Point{700, 1050};
    const std::uint32_t id = System().tray.calls.at(0).data.id;
    using Kind = TrayMouse::Kind;
    Receiver().TrayMouseAction({id, Kind::Down, TMouseButton::mbLeft});  // a press does nothing
    EXPECT_TRUE(System().menus.empty());
    Receiver().TrayMouseAction({id, Kind::Up, TMouseButton::mbLeft});
    ASSERT_EQ(System().menus.size(), 1u);
    EXPECT_EQ(System().menus[0].at, (Point{700, 1050}));
    ASSERT_EQ(System().scripted.raised.size(), 1u);
    EXPECT_EQ(System().scripted.raised[0], Form().Window());
    Receiver().TrayMouseAction({id, Kind::Up, TMouseButton::mbRight});  // no right-button menu
    EXPECT_EQ(System().menus.size(), 1u);
}

}  // namespace
}  // namespace vc
