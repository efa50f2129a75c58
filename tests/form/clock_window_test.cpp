#include <gtest/gtest.h>

#include "clock/clock_lines.h"
#include "platform/posix/cp932.h"
#include "tests/form/clock_window_fixture.h"

namespace vc {
namespace {

using test::Local;

class ClockWindowStart : public test::ClockWindow {};

TEST_F(ClockWindowStart, CreationSetsSizeCaptionBufferingAndBand) {
    const HeadlessWindow& window = strip.Window();
    EXPECT_EQ(window.Bounds(), RectAt(0, 0, 175, 38)) << "no settings file: top-left corner";
    EXPECT_EQ(window.Caption(), "VeltriaClock");
    EXPECT_TRUE(window.DoubleBuffered());
    EXPECT_TRUE(static_cast<const HeadlessWindow*>(Form().PanelX->Window())->DoubleBuffered())
        << "the button's window too: no flash of its background when its look changes";
    EXPECT_TRUE(window.Shown());
    EXPECT_FALSE(Form().Popup_RColor->Visible());
    EXPECT_EQ(Form().Label_VTime->Color(), clBlack);
    EXPECT_EQ(Form().Label_RTime->Color(), clBlack);
    const Bitmap& band = Form().Image_BG->Picture();
    ASSERT_EQ(band.Width(), 350);
    ASSERT_EQ(band.Height(), 20);
    EXPECT_EQ(band, Bitmap(350, 20, Rgb{0, 0, 0}));
}

TEST_F(ClockWindowStart, ClickingTheButtonOpensTheMenuBelowTheStripCorner) {
    strip.System().nextMenuChoice = -1;
    test::Click(*Form().PanelX, Point{9, 9});
    ASSERT_EQ(strip.System().menus.size(), 1u);
    const auto& shown = strip.System().menus[0];
    EXPECT_EQ(shown.at, (Point{0, 28}));
    ASSERT_EQ(shown.entries.size(), 10u) << "the real-time colour item is hidden";
    EXPECT_EQ(Cp932ToUtf8(shown.entries[1].caption), "24時間表記(&2)");
    EXPECT_TRUE(shown.entries[1].checked);
    EXPECT_TRUE(shown.entries[4].separator);
    EXPECT_EQ(Cp932ToUtf8(Form().Popup_24Hour->Caption()), "24時間表記(&2)") << "kept";
}

TEST_F(ClockWindowStart, TheGameLineTicksIntoItsLabelAndRepaintsOnlyIt) {
    strip.Window().TakeInvalidated();
    TickGameClock();  // game 23:56:48
    EXPECT_EQ(Cp932ToUtf8(Form().Label_VTime->Caption()), "555年03月008日  23:56:48");
    const std::vector<Rect> changed = strip.Window().TakeInvalidated();
    ASSERT_FALSE(changed.empty());
    for (const Rect& r : changed) {
        EXPECT_EQ(Intersect(r, RectAt(22, 13, 144, 12)), r) << "only the label's rectangles";
    }
    TickGameClock();  // the same game second
    EXPECT_TRUE(strip.Window().TakeInvalidated().empty());
    strip.Clock().Set(Local(3, 1, 0, 0, 0, 125));
    TickGameClock();
    EXPECT_EQ(Cp932ToUtf8(Form().Label_VTime->Caption()), "555年03月008日  23:56:49");
}

TEST_F(ClockWindowStart, TheRealLineTicksWhenItsSecondChanges) {
    strip.Clock().Set(Local(12, 8, 21, 33, 42, 0, 2));
    TickRealClock();
    EXPECT_EQ(Cp932ToUtf8(Form().Label_RTime->Caption()), "12月08日(火) 21:33:42");
    Form().Popup_24Hour->SetChecked(false);
    TickRealClock();
    EXPECT_EQ(Cp932ToUtf8(Form().Label_RTime->Caption()), "12月08日(火) 21:33:42")
        << "the hour mode shows at the next second";
    strip.Clock().Set(Local(12, 8, 21, 33, 43, 0, 2));
    TickRealClock();
    EXPECT_EQ(Cp932ToUtf8(Form().Label_RTime->Caption()), "12月08日(火) pm09:33:43");
}

class ClockWindowAtGameSecondZero : public test::ClockWindow {
  protected:
    // Local 00:00:24.000 is game 00:00:00.
    ClockWindowAtGameSecondZero() : ClockWindow(Local(3, 1, 0, 0, 24, 0)) {}
};

TEST_F(ClockWindowAtGameSecondZero, KeepsTheDesignedCaptionUntilTheSecondChanges) {
    TickGameClock();
    EXPECT_EQ(Cp932ToUtf8(Form().Label_VTime->Caption()), "555年XX月XXX日 00:00:00");
    strip.Clock().Set(Local(3, 1, 0, 0, 24, 125));
    TickGameClock();
    EXPECT_EQ(Cp932ToUtf8(Form().Label_VTime->Caption()), "555年03月008日  00:00:01");
}

class ClockWindowAtDusk : public test::ClockWindow {
  protected:
    // Game 18:59:59, day.
    ClockWindowAtDusk() : ClockWindow(Local(6, 10, 2, 22, 53, 999)) {}
};

TEST_F(ClockWindowAtDusk, TheBandFollowsNightOnlyWithTheOptionOn) {
    TickGameClock();
    EXPECT_EQ(Form().Label_VTime->Color(), clBlack);
    strip.Clock().Set(Local(6, 10, 2, 22, 54, 0));  // game 19:00:00
    TickGameClock();
    EXPECT_EQ(Form().Label_VTime->Color(), clBlack) << "option off: no repaint";

    Form().Popup_BGColor->SetChecked(true);
    strip.Clock().Set(Local(6, 10, 3, 37, 54, 0));  // game 05:00:00 of the next block
    TickGameClock();
    EXPECT_EQ(Form().Label_VTime->Color(), strip.Setting<TColor>(SettingKey::DayColor));
    EXPECT_EQ(Form().Image_BG->Picture().At(349, 19),
              ToRgb(strip.Setting<TColor>(SettingKey::DayColor)));
    strip.Clock().Set(Local(6, 10, 5, 22, 54, 0));  // game 19:00:00
    TickGameClock();
    EXPECT_EQ(Form().Label_RTime->Color(), strip.Setting<TColor>(SettingKey::NightColor));
}

TEST_F(ClockWindowStart, ButtonLooksCopyTheirPicturesAndReturnToTheDesignedOne) {
    const Bitmap designed = Form().ImageX->Picture();
    Form().SetButtonLook(ButtonLook::Over);
    EXPECT_EQ(Form().ImageX->Picture(), Form().Image_BtnOver->Picture());
    Form().SetButtonLook(ButtonLook::Down);
    EXPECT_EQ(Form().ImageX->Picture(), Form().Image_BtnDown->Picture());
    Form().SetButtonLook(ButtonLook::Normal);
    EXPECT_EQ(Form().ImageX->Picture(), designed);
}

}  // namespace
}  // namespace vc
