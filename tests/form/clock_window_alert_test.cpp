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

TEST_F(ClockWindowAlert, WithoutTheKeysNoBalloonEverAndTheKeysAreKeptButNotWritten) {
    StartAt(Local(3, 1, 2, 20, 0));
    for (int minute = 20; minute < 40; ++minute) {
        TickAt(Local(3, 1, 2, minute, 54));
    }
    EXPECT_TRUE(Balloons().empty());
    strip.reset();

    WriteSettings("[Alert]\r\nDusk=1\r\nDawn=0\r\nLead=-1\r\n");
    StartAt(Local(3, 1, 2, 20, 0));
    EXPECT_EQ(strip->Setting<std::int32_t>(SettingKey::AlertLead), 60)
        << "a negative lead takes the default";
    Save(*strip);
    const std::string saved = ReadSettings();
    for (const char* line : {"[Alert]", "Dusk=1", "Dawn=0", "Lead=-1"}) {
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(saved.find("Notice"), std::string::npos) << "the extras are never written";
}

}  // namespace
}  // namespace vc
