#include <gtest/gtest.h>

#include <climits>

#include "tests/form/clock_window_fixture.h"

namespace vc {
namespace {

// A user's session on the headless desktop (1920 x 1080): the strip starts from a stored
// place, then the system moves it, as the user's drag does, without the program asking.
class ClockWindowPlacement : public test::ClockWindowInFolder {
  protected:
    ClockWindowPlacement() {
        WriteSettings("[VeltriaTime]\r\nXPos=100\r\nYPos=50\r\n");
        strip = Start();
    }

    TFormVT555& Form() { return strip->Form(); }
    ScriptedWindowSystem& System() { return strip->System(); }
    Point StripAt() { return Point{strip->Window().Bounds().left, strip->Window().Bounds().top}; }
    void Choose(TMenuItem* item) { strip->Choose(item); }
    void HoverButtonOfStripAt(Point stripAt, bool leftDown) {
        System().scripted.cursor = Point{stripAt.x + 10, stripAt.y + 15};
        if (leftDown) {
            System().scripted.Press(Key::LeftButton);
        } else {
            System().scripted.Release(Key::LeftButton);
        }
        System().FireTimers(1);
    }

    std::unique_ptr<ScriptedStrip> strip;
};

TEST_F(ClockWindowPlacement, AfterTheUserMovesTheStripEverythingFollowsIt) {
    ASSERT_EQ(StripAt(), (Point{100, 50}));
    strip->Window().SystemMoves(Point{500, 300});
    EXPECT_EQ((Point{Form().Left(), Form().Top()}), (Point{500, 300}));

    HoverButtonOfStripAt(Point{100, 50}, false);
    EXPECT_EQ(Form().ImageX->Picture(), Form().Image_BtnNormal->Picture()) << "the old place";
    HoverButtonOfStripAt(Point{500, 300}, false);
    EXPECT_EQ(Form().ImageX->Picture(), Form().Image_BtnOver->Picture());
    HoverButtonOfStripAt(Point{500, 300}, true);
    EXPECT_EQ(Form().ImageX->Picture(), Form().Image_BtnDown->Picture());

    test::Click(*Form().PanelX, Point{9, 9});
    ASSERT_EQ(System().menus.size(), 1u);
    EXPECT_EQ(System().menus[0].at, (Point{500, 300 + 28})) << "under the strip";

    Choose(Form().Popup_ShowRTime);
    EXPECT_EQ(strip->Window().Bounds(), RectAt(500, 300, 350, 38));
    Choose(Form().Popup_ShowRTime);
    EXPECT_EQ(strip->Window().Bounds(), RectAt(500, 300, 175, 38));

    Choose(Form().Popup_Exit);
    EXPECT_TRUE(System().terminated);
    EXPECT_NE(ReadSettings().find("XPos=500\r\nYPos=300\r\n"), std::string::npos) << ReadSettings();
    strip.reset();

    strip = Start();
    EXPECT_EQ(StripAt(), (Point{500, 300})) << "the next start is where the user left it";
}

TEST_F(ClockWindowPlacement, ASystemMoveIsKeptOnTheMonitorAndReported) {
    strip->Window().SystemMoves(Point{5000, 5000});
    EXPECT_EQ(StripAt(), (Point{1920 - 175, 1080 - 38}));
    EXPECT_EQ((Point{Form().Left(), Form().Top()}), StripAt());
    // A display change: the strip now stands on a monitor left of the first one.
    System().monitors = {Rect{-1280, -100, 0, 924}};
    strip->Window().SystemMoves(Point{-2000, 0});
    EXPECT_EQ(StripAt(), (Point{-1280, 0}));
    EXPECT_EQ(Form().Left(), -1280);
}

// Three monitors: the primary, a shorter one to its right (the desktop below it lies on no
// monitor) and a taller one to its left, reaching above the primary.
const std::vector<Rect> kThreeMonitors{Rect{0, 0, 1920, 1080}, Rect{1920, 0, 3200, 720},
                                       Rect{-1280, -200, 0, 824}};

TEST_F(ClockWindowPlacement, TheStripLivesWhollyOnWhicheverMonitorItIsMovedTo) {
    System().monitors = kThreeMonitors;
    const struct {
        const char* what;
        Point movedTo;
        Point kept;
    } cases[] = {
        {"inside the right monitor", {2000, 100}, {2000, 100}},
        {"half past the right monitor's right edge", {3100, 100}, {3200 - 175, 100}},
        {"half past its bottom", {2000, 700}, {2000, 720 - 38}},
        {"in the hole below it, nearer to it", {2000, 750}, {2000, 720 - 38}},
        {"in the hole, nearer to the primary", {2000, 900}, {1920 - 175, 900}},
        {"across the primary's right edge, mostly on it", {1800, 300}, {1920 - 175, 300}},
        {"across it, mostly on the right monitor", {1850, 300}, {1920, 300}},
        {"above the left monitor", {-1000, -500}, {-1000, -200}},
        {"below the left monitor", {-1400, 900}, {-1280, 824 - 38}},
    };
    for (const auto& c : cases) {
        strip->Window().SystemMoves(c.movedTo);
        EXPECT_EQ(StripAt(), c.kept) << c.what;
    }
    Choose(Form().Popup_Exit);
    EXPECT_NE(ReadSettings().find("XPos=-1280\r\nYPos=786\r\n"), std::string::npos);
}

TEST_F(ClockWindowPlacement, AStoredPlaceOnAnyMonitorIsKeptAndOneOffEveryMonitorIsNot) {
    strip.reset();
    const struct {
        const char* stored;
        std::vector<Rect> monitors;
        Point at;
    } cases[] = {
        {"XPos=2500\r\nYPos=100", kThreeMonitors, {2500, 100}},
        {"XPos=2500\r\nYPos=750", kThreeMonitors, {2500, 720 - 38}},
        {"XPos=-1280\r\nYPos=-200", kThreeMonitors, {-1280, -200}},
        // The monitor is gone; at start the window is as wide as its layout, 350.
        {"XPos=2500\r\nYPos=100", kOneMonitor, {1920 - 350, 100}},
    };
    for (const auto& c : cases) {
        WriteSettings(std::string("[VeltriaTime]\r\n") + c.stored + "\r\n");
        strip = Start(test::Local(3, 1, 0, 0, 0), c.monitors);
        EXPECT_EQ(StripAt(), c.at) << c.stored << " on " << c.monitors.size() << " monitors";
        Choose(Form().Popup_Exit);
        EXPECT_NE(ReadSettings().find("XPos=" + std::to_string(c.at.x) +
                                      "\r\nYPos=" + std::to_string(c.at.y) + "\r\n"),
                  std::string::npos)
            << "stored where it stands";
        strip.reset();
    }
}

// A resolution goes down, then the right monitor is unplugged: Windows leaves the topmost
// strip where it was; the display-change notice brings it back onto a monitor.
TEST_F(ClockWindowPlacement, AfterADisplayChangeTheStripIsBackOnAMonitorOrLeftWhereItStands) {
    System().monitors = kThreeMonitors;
    strip->Window().SystemMoves(Point{2500, 600});
    ASSERT_EQ(StripAt(), (Point{2500, 600}));

    System().monitors = {kThreeMonitors[0], Rect{1920, 0, 2560, 600}, kThreeMonitors[2]};
    strip->Window().DisplaysChange();
    EXPECT_EQ(StripAt(), (Point{2560 - 175, 600 - 38})) << "inside the shrunk monitor";

    const int placements = strip->Window().Placements();
    System().monitors = {kThreeMonitors[0], Rect{1920, 0, 2560, 600}};
    strip->Window().DisplaysChange();
    EXPECT_EQ(StripAt(), (Point{2560 - 175, 600 - 38}));
    EXPECT_EQ(strip->Window().Placements(), placements) << "inside already: not moved again";

    System().monitors = {kThreeMonitors[0]};
    strip->Window().DisplaysChange();
    EXPECT_EQ(StripAt(), (Point{1920 - 175, 600 - 38})) << "onto the primary";
    Choose(Form().Popup_Exit);
    EXPECT_NE(ReadSettings().find("XPos=1745\r\nYPos=562\r\n"), std::string::npos);
}

// Any position the integer rule accepts lands on the desktop, with no arithmetic that
// wraps round (the native tests run under UBSan, which stops at an overflow).
TEST_F(ClockWindowPlacement, PositionsAtTheIntegerLimitsLandOnTheDesktop) {
    struct Case {
        const char* stored;  // XPos and YPos
        Point at;            // the designed 350 px width applies while loading
    };
    const Case cases[] = {
        {"X7FFFFFFF", {1920 - 350, 1080 - 38}},
        {"2147483647", {1920 - 350, 1080 - 38}},
        {"2147483298", {1920 - 350, 1080 - 38}},
        {"-2147483648", {0, 0}},
        {"$80000000", {0, 0}},
        {"-1", {0, 0}},
    };
    for (const Case& c : cases) {
        strip.reset();
        WriteSettings(std::string("[VeltriaTime]\r\nXPos=") + c.stored + "\r\nYPos=" + c.stored +
                      "\r\n");
        strip = Start();
        EXPECT_EQ(strip->Window().Bounds(), RectAt(c.at.x, c.at.y, 175, 38)) << c.stored;
    }
    struct Move {
        Point to;
        Point at;
    };
    System().monitors = {Rect{-1280, -100, 0, 924}};
    for (const Move& m :
         {Move{{INT_MAX, INT_MAX}, {-175, 924 - 38}}, Move{{INT_MIN, INT_MIN}, {-1280, -100}},
          Move{{INT_MAX - 174, INT_MIN + 1}, {-175, -100}}}) {
        strip->Window().SystemMoves(m.to);
        EXPECT_EQ(StripAt(), m.at) << m.to.x << "," << m.to.y;
        Form().SetPosition(m.to.x, m.to.y);
        EXPECT_EQ(StripAt(), m.at) << "asked by the program: " << m.to.x << "," << m.to.y;
    }
}

// A click is a press and a release on the button; the right button opens nothing.
TEST_F(ClockWindowPlacement, OnlyALeftPressAndReleaseOnTheButtonOpensTheMenu) {
    struct Case {
        const char* what;
        void (*act)(TFormVT555& form);
        std::size_t menus;
    };
    const Case cases[] = {
        {"left press and release on the button",
         [](TFormVT555& f) {
             test::Click(*f.PanelX, Point{9, 9});
         },
         1},
        {"right click on the button",
         [](TFormVT555& f) {
             test::Click(*f.PanelX, Point{9, 9}, TMouseButton::mbRight);
         },
         0},
        {"right click on the strip",
         [](TFormVT555& f) {
             test::Click(f, Point{100, 20}, TMouseButton::mbRight);
         },
         0},
        {"left click on the strip",
         [](TFormVT555& f) {
             test::Click(f, Point{100, 20});
         },
         0},
        {"a release on the button without a press there",
         [](TFormVT555& f) {
             f.PanelX->MouseUp(TMouseButton::mbLeft, Point{9, 9});
         },
         0},
        {"pressed on the button, released off it",
         [](TFormVT555& f) {
             f.PanelX->MouseDown(TMouseButton::mbLeft, Point{9, 9});
             f.PanelX->MouseUp(TMouseButton::mbLeft, Point{30, 9});
         },
         0},
        {"pressed on the button, the mouse taken away, then released on it",
         [](TFormVT555& f) {
             f.PanelX->MouseDown(TMouseButton::mbLeft, Point{9, 9});
             f.PanelX->MouseCancelled();
             f.PanelX->MouseUp(TMouseButton::mbLeft, Point{9, 9});
         },
         0},
        {"right press, left release on the button",
         [](TFormVT555& f) {
             f.PanelX->MouseDown(TMouseButton::mbRight, Point{9, 9});
             f.PanelX->MouseUp(TMouseButton::mbLeft, Point{9, 9});
         },
         0},
    };
    for (const Case& c : cases) {
        System().menus.clear();
        c.act(Form());
        EXPECT_EQ(System().menus.size(), c.menus) << c.what;
        // Nothing is left half-pressed for the next case.
        Form().PanelX->MouseCancelled();
    }
}

TEST_F(ClockWindowPlacement, TheColourDialogOpensNearTheClockWindow) {
    System().nextColourChoice = std::nullopt;
    Choose(Form().Popup_VColor);
    ASSERT_EQ(System().colourDialogsNear.size(), 1u);
    EXPECT_EQ(System().colourDialogsNear[0], &strip->Window()) << "not the hidden owner at 0,0";
}

}  // namespace
}  // namespace vc
