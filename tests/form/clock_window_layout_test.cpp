#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>

#include "framework/errors.h"
#include "framework/resources.h"
#include "platform/posix/cp932.h"
#include "tests/form/clock_window_fixture.h"

namespace vc {
namespace {

using ClockWindowLayout = test::ClockWindow;

// The code sizes the strip and fills the band with constants of its own: they are the
// layout's, as loaded before the start sizes anything.
TEST(ClockWindowDesign, TheStripsSizesInTheCodeAreTheLayouts) {
    ScriptedWindowSystem system;
    TApplication application(system, "veltriaclock");
    const SetClock clock(test::Local(3, 1, 0, 0, 0, 0, 0));
    PosixShell shell(HeadlessStrip::kNoProgram, std::nullopt);
    const auto form = CreateFormVT555(application, clock, shell, ResourceBytes("TFORMVT555"),
                                      LayoutSources{Utf8ToCp932, ResourceBytes});
    EXPECT_EQ(form->Width(), kWideWidth);
    EXPECT_EQ(form->Height(), kStripHeight);
    EXPECT_EQ(form->Image_BG->Width(), kWideWidth);
    EXPECT_EQ(form->Image_BG->Height(), kBandHeight);
    // The narrow strip is the left half: its frame pictures end there.
    for (const TControl* control : form->Controls()) {
        if (control->Name() == "Image2" || control->Name() == "Image3") {
            EXPECT_EQ(control->BoundsRect().right, kNarrowWidth) << control->Name();
        }
    }
}

TEST_F(ClockWindowLayout, VisualComponentsStandInStackingOrderWithTheirBounds) {
    struct Expected {
        const char* name;
        Rect bounds;
    };
    const Expected expected[] = {
        {"Image_BG", RectAt(0, 9, 350, 20)},        {"Label_VTime", RectAt(22, 13, 138, 12)},
        {"Label_RTime", RectAt(192, 13, 126, 12)},  {"Image_BtnNormal", RectAt(132, 44, 18, 18)},
        {"Image_BtnOver", RectAt(156, 44, 18, 18)}, {"Image_BtnDown", RectAt(180, 44, 18, 18)},
        {"Image2", RectAt(0, 0, 175, 9)},           {"Image3", RectAt(0, 29, 175, 9)},
        {"Image4", RectAt(175, 29, 175, 9)},        {"Image5", RectAt(175, 0, 175, 9)},
        {"PanelX", RectAt(2, 10, 18, 18)},
    };
    const auto& controls = Form().Controls();
    // Nine nameless receivers from the layout, then the tray component's own.
    ASSERT_EQ(controls.size(), std::size(expected) + 10);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(controls[i]->Name(), expected[i].name);
        EXPECT_EQ(controls[i]->BoundsRect(), expected[i].bounds) << expected[i].name;
        EXPECT_TRUE(controls[i]->Visible()) << expected[i].name;
    }
    for (std::size_t i = std::size(expected); i < controls.size(); ++i) {
        EXPECT_STREQ(controls[i]->ClassName(), "TMyCallback");
        EXPECT_EQ(controls[i]->Name(), "");
        EXPECT_EQ(controls[i]->BoundsRect(), Rect{});
    }
    ASSERT_EQ(Form().PanelX->Controls().size(), 1u);
    EXPECT_EQ(Form().PanelX->Controls()[0], Form().ImageX);
    EXPECT_EQ(Form().ImageX->BoundsRect(), RectAt(0, 0, 18, 18));
    EXPECT_EQ(Form().Image_BG->PopupMenu(), Form().PopupMenuC);
}

TEST_F(ClockWindowLayout, DesignedCaptionsAndFontsOfTheLabels) {
    EXPECT_EQ(Cp932ToUtf8(Form().Label_VTime->Caption()), "555年XX月XXX日 00:00:00");
    EXPECT_EQ(Cp932ToUtf8(Form().Label_RTime->Caption()), "XX月XX日(XX) 00:00:00");
    EXPECT_EQ(Form().Label_RTime->Alignment(), TAlignment::taCenter);
    for (const TLabel* label : {Form().Label_VTime, Form().Label_RTime}) {
        EXPECT_EQ(Cp932ToUtf8(label->Font().Name), "ＭＳ ゴシック");
        EXPECT_EQ(label->Font().Height, -12);
        EXPECT_EQ(label->Font().Color, clWhite);
    }
    // Auto-sized: 23 and 21 half-width cells.
    EXPECT_EQ(Form().Label_VTime->BoundsRect(), RectAt(22, 13, 138, 12));
    EXPECT_EQ(Form().Label_RTime->BoundsRect(), RectAt(192, 13, 126, 12));
}

TEST_F(ClockWindowLayout, MenuItemsTimersAndTray) {
    struct Item {
        const char* caption;
        bool checked;
    };
    const Item items[] = {{"VeltriaRuneを実行(&X)", false},
                          {"24時間表記", true},
                          {"リアル時間の表示(&S)", false},
                          {"昼と夜で背景色変更(&H)", false},
                          {"-", false},
                          {"文字色の変更（ゲーム時間）(&G)", false},
                          {"文字色の変更（リアル時間）(&R)", false},
                          {"-", false},
                          {"Ctrl + P でスクリーンショット保存(&P)", true},
                          {"-", false},
                          {"終了(&E)", false}};
    const auto& menu = Form().PopupMenuC->Items();
    ASSERT_EQ(menu.size(), std::size(items));
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(Cp932ToUtf8(menu[i]->Caption()), items[i].caption);
        EXPECT_EQ(menu[i]->Checked(), items[i].checked) << items[i].caption;
        EXPECT_EQ(static_cast<bool>(menu[i]->OnClick), !menu[i]->IsSeparator()) << items[i].caption;
    }
    EXPECT_FALSE(Form().PopupMenuC->AutoPopup());
    EXPECT_EQ(Form().TimerVT->Interval(), 1);
    EXPECT_EQ(Form().TimerRT->Interval(), 100);
    EXPECT_EQ(Form().Timer1->Interval(), 10);
    for (const TTimer* timer : {Form().TimerVT, Form().TimerRT, Form().Timer1}) {
        EXPECT_TRUE(timer->Running());
    }
    const TTaskTrayMini& tray = *Form().TaskTrayMiniX;
    EXPECT_TRUE(tray.EnableMouseUp && tray.EnableMouseDown && tray.EnableMMouseUp &&
                tray.EnableMMouseDown);
    EXPECT_TRUE(tray.OnMouseUp);
    EXPECT_FALSE(tray.OnMouseDown || tray.OnMMouseUp || tray.OnMMouseDown);
    EXPECT_EQ(tray.PopupMenuR, nullptr);
    EXPECT_EQ(Form().ColorDialogX->Color(), clBlack);
}

TEST_F(ClockWindowLayout, TheButtonShowsTheNormalPictureItself) {
    const Bitmap normal = DecodeBmp24(ResourceBytes("BTN_NORMAL"));
    EXPECT_EQ(Form().Image_BtnNormal->Picture(), normal);
    EXPECT_EQ(Form().ImageX->Picture(), normal);
    EXPECT_EQ(Form().Image_BtnOver->Picture(), DecodeBmp24(ResourceBytes("BTN_OVER")));
    const auto picture = [this](const char* name) {
        return FindAs<TImage>(Form(), name).Picture();
    };
    EXPECT_EQ(picture("Image2"), DecodeBmp24(ResourceBytes("FRAME_TOP")));
    EXPECT_EQ(picture("Image5"), picture("Image2"));
    EXPECT_EQ(picture("Image3"), DecodeBmp24(ResourceBytes("FRAME_BOTTOM")));
    EXPECT_EQ(picture("Image4"), picture("Image3"));
}

// What the stored layout names: its named components with their kinds, and the handlers
// its events name.
struct LayoutNames {
    std::map<std::string, std::string> components;
    std::set<std::string> handlers;
};

LayoutNames NamesInLayout(const std::string& text) {
    LayoutNames names;
    const std::regex component(R"(^\s*object (\w+): (\w+)\s*$)");
    const std::regex event(R"(^\s*On\w+ = (\w+)\s*$)");
    std::istringstream lines(text);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, match, component)) {
            names.components[match[1]] = match[2];
        } else if (std::regex_match(line, match, event)) {
            names.handlers.insert(match[1]);
        }
    }
    return names;
}

// A component added to the layout, or a handler named there, is bound in the window or
// listed here as drawn by the framework alone; a binding names what the layout has.
TEST_F(ClockWindowLayout, EveryComponentAndHandlerTheLayoutNamesIsBound) {
    const LayoutNames layout = NamesInLayout(ResourceBytes("TFORMVT555"));
    ASSERT_FALSE(layout.components.empty());
    std::set<std::string> unbound;
    for (const auto& [name, kind] : layout.components) {
        unbound.insert(name);
    }
    for (std::string_view name : TFormVT555::BoundComponentNames()) {
        EXPECT_EQ(unbound.erase(std::string(name)), 1u) << name << " is not in the layout";
        ASSERT_NE(Form().FindComponent(name), nullptr) << name;
        EXPECT_EQ(layout.components.at(std::string(name)), Form().FindComponent(name)->ClassName());
    }
    // The form itself, the frame's four pictures and the menu's three separators.
    const std::set<std::string> drawnAlone{"FormVT555", "Image2", "Image3", "Image4",
                                           "Image5",    "N1",     "N2",     "N3"};
    EXPECT_EQ(unbound, drawnAlone);

    const std::vector<std::string_view> bound = TFormVT555::BoundHandlerNames();
    const std::set<std::string> handlers(bound.begin(), bound.end());
    EXPECT_EQ(handlers, layout.handlers) << "every handler named, and none that is not";
}

// The layout may name any handler for OnDestroy before it fails, and the handlers need the
// components bound.
TEST(ClockWindowFromABrokenLayout, ReportsTheProblemAndRunsNoHandlerAsItGoes) {
    ScriptedWindowSystem system;
    TApplication application(system, "VeltriaClock");
    const SetClock clock;
    PosixShell shell(HeadlessStrip::kNoProgram, std::nullopt);
    const LayoutSources sources{Utf8ToCp932, ResourceBytes};
    for (const char* handler : {"FormCreate", "FormDestroy", "ImageXClick", "TimerVTTimer",
                                "TimerRTTimer", "Timer1Timer", "PopupClick"}) {
        SCOPED_TRACE(handler);
        const std::string start =
            "object FormVT555: TFormVT555\n  OnDestroy = " + std::string(handler) + "\n";
        EXPECT_THROW(
            CreateFormVT555(application, clock, shell, start + "  Wrap = True\nend\n", sources),
            ELayoutError);
        EXPECT_THROW(CreateFormVT555(application, clock, shell, start + "end\n", sources),
                     std::logic_error)
            << "loaded, but without the window's components";
    }
    EXPECT_TRUE(system.tray.calls.empty());
    EXPECT_TRUE(system.errorBoxes.empty());
    EXPECT_TRUE(system.menus.empty());
}

}  // namespace
}  // namespace vc
