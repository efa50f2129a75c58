#include <gtest/gtest.h>

#include "platform/posix/cp932.h"
#include "tests/form/clock_window_fixture.h"

namespace vc {
namespace {

using test::Local;

// The game's dusk comes at 02:22:54 and its dawn at 03:37:54 local time on this day.
class ClockWindowAlert : public test::ClockWindowInFolder {
  protected:
    void StartAt(SystemTime at) { strip = Start(at); }
    void TickAt(SystemTime at) {
        strip->Clock().Set(at);
        strip->System().FireTimers(1);
    }
    std::vector<std::string> Balloons() const {
        std::vector<std::string> shown;
        for (const TrayBalloon& b : strip->System().tray.balloons) {
            shown.push_back(Cp932ToUtf8(b.title) + " | " + Cp932ToUtf8(b.text));
        }
        return shown;
    }

    ButtonLook Look() {
        const Bitmap& shown = strip->Form().ImageX->Picture();
        if (shown == strip->Form().Image_BtnDown->Picture()) {
            return ButtonLook::Down;
        }
        return shown == strip->Form().Image_BtnOver->Picture() ? ButtonLook::Over
                                                               : ButtonLook::Normal;
    }
    // The pointer over the corner button, or away from the strip.
    void PointerOnButton(bool on) {
        TFormVT555& form = strip->Form();
        const Rect button = form.PanelX->BoundsRect();
        strip->System().scripted.cursor =
            on ? Point{form.Left() + button.left + 2, form.Top() + button.top + 2}
               : Point{-100, -100};
    }

    std::unique_ptr<ScriptedStrip> strip;
};

TEST_F(ClockWindowAlert, DuskIsToldOnceALeadAheadAndTheBalloonOpensNothing) {
    WriteSettings("[Alert]\r\nDusk=1\r\nLead=60\r\n");
    StartAt(Local(3, 1, 2, 21, 50));
    TickAt(Local(3, 1, 2, 21, 53, 999));
    EXPECT_TRUE(Balloons().empty());
    TickAt(Local(3, 1, 2, 21, 54));
    const std::vector<std::string> dusk{
        "夜の訪れ | 実時間であと約1分でゲーム内は19:00、夜になります。"};
    EXPECT_EQ(Balloons(), dusk);
    for (const SystemTime& at : {Local(3, 1, 2, 21, 55), Local(3, 1, 2, 22, 54),
                                 Local(3, 1, 2, 21, 0), Local(3, 1, 3, 36, 54)}) {
        TickAt(at);
    }
    EXPECT_EQ(Balloons(), dusk) << "once; no dawn unless asked for";
    const TrayBalloon& balloon = strip->System().tray.balloons.at(0);
    test::TrayReceiver(strip->Form())
        .TrayMouseAction({balloon.id, TrayMouse::Kind::BalloonClick, TMouseButton::mbLeft});
    EXPECT_TRUE(strip->System().scripted.shownInFolder.empty());
}

TEST_F(ClockWindowAlert, AClockStartedInsideTheLeadTellsAtOnceAndDawnToo) {
    WriteSettings("[Alert]\r\nDusk=1\r\nDawn=1\r\nLead=3600\r\n");
    StartAt(Local(3, 1, 2, 40, 0));
    TickAt(Local(3, 1, 2, 40, 0));
    EXPECT_EQ(Balloons(), std::vector<std::string>{
                              "朝の訪れ | 実時間であと約58分でゲーム内は05:00、朝になります。"});
}

// Game 12:00 comes at 04:30:24 and 21:30 at 05:41:39 on this day.
TEST_F(ClockWindowAlert, AnAlarmTimeIsToldNowOrNeverAndTheButtonBlinksUntilItComes) {
    WriteSettings("[Alert]\r\nAt=12:00,7,21:30\r\nLead=60\r\n");
    StartAt(Local(3, 1, 4, 29, 0));
    const struct {
        SystemTime at;
        ButtonLook look;
        std::size_t balloons;
    } ticks[] = {
        {Local(3, 1, 4, 29, 23, 999), ButtonLook::Normal, 0},
        {Local(3, 1, 4, 29, 24, 0), ButtonLook::Normal, 1},
        {Local(3, 1, 4, 29, 24, 500), ButtonLook::Down, 1},
        {Local(3, 1, 4, 29, 25, 0), ButtonLook::Normal, 1},
        {Local(3, 1, 4, 30, 23, 600), ButtonLook::Down, 1},
        {Local(3, 1, 4, 30, 24, 500), ButtonLook::Normal, 1},
        {Local(3, 1, 4, 30, 40, 500), ButtonLook::Normal, 1},
    };
    for (const auto& tick : ticks) {
        TickAt(tick.at);
        EXPECT_EQ(Look(), tick.look) << tick.at.wSecond << "." << tick.at.wMilliseconds;
        EXPECT_EQ(Balloons().size(), tick.balloons) << tick.at.wSecond;
    }
    EXPECT_EQ(Balloons().at(0), "ゲーム内 12:00 | 実時間であと約1分でゲーム内は12:00になります。");
    EXPECT_EQ(strip->System().tray.balloons.at(0).timing, BalloonTiming::NowOrDropped);

    // The next one: the pointer over the button shows the hover look, and a click (the menu
    // closed unchosen) ends the blink.
    TickAt(Local(3, 1, 5, 40, 39, 500));
    EXPECT_EQ(Balloons().size(), 2u);
    EXPECT_EQ(Look(), ButtonLook::Down);
    PointerOnButton(true);
    TickAt(Local(3, 1, 5, 40, 40, 500));
    EXPECT_EQ(Look(), ButtonLook::Over);
    strip->System().nextMenuChoice = -1;
    test::Click(*strip->Form().PanelX, Point{9, 9});
    PointerOnButton(false);
    for (const int ms : {0, 500}) {
        TickAt(Local(3, 1, 5, 40, 41, ms));
        EXPECT_EQ(Look(), ButtonLook::Normal) << ms;
    }
}

TEST_F(ClockWindowAlert, AnAlarmAtDuskWithDuskOnIsToldOnceAsDusk) {
    WriteSettings("[Alert]\r\nDusk=1\r\nAt=19:00\r\nLead=60\r\n");
    StartAt(Local(3, 1, 2, 21, 50));
    for (int second = 50; second < 60; ++second) {
        TickAt(Local(3, 1, 2, 21, second));
    }
    EXPECT_EQ(Balloons(), std::vector<std::string>{
                              "夜の訪れ | 実時間であと約1分でゲーム内は19:00、夜になります。"});
}

TEST_F(ClockWindowAlert, WithoutTheKeysNoBalloonEverAndTheKeysAreKeptButNotWritten) {
    StartAt(Local(3, 1, 2, 20, 0));
    for (int minute = 20; minute < 40; ++minute) {
        TickAt(Local(3, 1, 2, minute, 54, 600));
        EXPECT_EQ(Look(), ButtonLook::Normal) << minute;
    }
    EXPECT_TRUE(Balloons().empty());
    strip.reset();

    WriteSettings("[Alert]\r\nDusk=1\r\nDawn=0\r\nLead=-1\r\nAt=06:00,x\r\n");
    StartAt(Local(3, 1, 2, 20, 0));
    EXPECT_EQ(strip->Setting<std::int32_t>(SettingKey::AlertLead), 60)
        << "a negative lead takes the default";
    Save(*strip);
    const std::string saved = ReadSettings();
    for (const char* line : {"[Alert]", "Dusk=1", "Dawn=0", "Lead=-1", "At=06:00,x"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(saved.find("Notice"), std::string::npos) << "the extras are never written";
}

}  // namespace
}  // namespace vc
