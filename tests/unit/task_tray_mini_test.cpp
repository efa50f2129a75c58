#include "tray/task_tray_mini.h"

#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/errors.h"
#include "framework/form.h"
#include "framework/menu.h"
#include "tests/support/scripted_window_system.h"

namespace vc {
namespace {

class TTestForm final : public TForm {
  public:
    using TForm::TForm;
    const char* ClassName() const override { return "TTestForm"; }
    TNotifyEvent FindHandler(std::string_view) override { return {}; }
    TMouseEvent FindMouseHandler(std::string_view) override { return {}; }
};

using Kind = TrayMouse::Kind;
constexpr TrayMouse kMove{.kind = Kind::Move};
constexpr TrayMouse kLeftDown{.kind = Kind::Down, .button = TMouseButton::mbLeft};
constexpr TrayMouse kLeftUp{.kind = Kind::Up, .button = TMouseButton::mbLeft};
constexpr TrayMouse kLeftDouble{.kind = Kind::DoubleClick, .button = TMouseButton::mbLeft};
constexpr TrayMouse kRightDown{.kind = Kind::Down, .button = TMouseButton::mbRight};
constexpr TrayMouse kRightUp{.kind = Kind::Up, .button = TMouseButton::mbRight};
constexpr TrayMouse kRightDouble{.kind = Kind::DoubleClick, .button = TMouseButton::mbRight};
constexpr TrayMouse kMiddleDown{.kind = Kind::Down, .button = TMouseButton::mbMiddle};
constexpr TrayMouse kMiddleUp{.kind = Kind::Up, .button = TMouseButton::mbMiddle};
constexpr TrayMouse kMiddleDouble{.kind = Kind::DoubleClick, .button = TMouseButton::mbMiddle};

std::string At(Point p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// A shown form whose first tray component was made before it showed, as a layout does.
class TaskTrayMini : public testing::Test {
  protected:
    TaskTrayMini() {
        form.Show();
        system.scripted.cursor = Point{30, 40};
    }

    TTaskTrayMini& NewTray(TComponent& owner) { return owner.Create<TTaskTrayMini>(module); }
    void Notify(std::uint32_t id, TrayMouse action) {
        action.iconId = id;
        module.SharedCallback()->TrayMouseAction(action);
    }
    // What has happened on the desktop so far: raises and message passes.
    std::string Effects() const {
        return "[" + std::to_string(system.scripted.raised.size()) + "/" +
               std::to_string(system.messagePasses) + "]";
    }

    ScriptedWindowSystem system;
    TApplication application{system, "Test"};
    TrayModule module;
    TTestForm form{application};
    TTaskTrayMini& tray = NewTray(form);
};

TEST_F(TaskTrayMini, IdentifiersCountUpNeverRepeatAndShareOneReceiver) {
    EXPECT_EQ(module.Find(1), &tray);
    tray.SetIcon(TrayAction::Modify, 1, "one");
    EXPECT_EQ(system.tray.calls.back().data.id, 1u) << "the shell gets the identifier";
    EXPECT_THROW(std::make_unique<TTaskTrayMini>(&application, module), std::logic_error)
        << "the owner must be a windowed control";
    const TTaskTrayMini& second = NewTray(form);
    EXPECT_EQ(module.Find(2), &second);
    auto freed = std::make_unique<TTaskTrayMini>(&form, module);
    EXPECT_EQ(module.Find(3), freed.get());
    freed.reset();
    EXPECT_EQ(module.Find(3), nullptr);
    const TTaskTrayMini& fourth = NewTray(form);
    EXPECT_EQ(module.Find(4), &fourth) << "a freed component's identifier stays taken";

    TTestForm other{application};
    other.Show();
    TTaskTrayMini& elsewhere = NewTray(other);
    EXPECT_EQ(module.Find(5), &elsewhere);
    EXPECT_TRUE(other.Controls().empty()) << "the first owner's receiver serves every component";
    TMyCallback* receiver = module.SharedCallback();
    ASSERT_NE(receiver, nullptr);
    ASSERT_EQ(form.Controls().size(), 1u);
    EXPECT_EQ(form.Controls()[0], receiver);
    EXPECT_EQ(receiver->Owner(), &form);
    EXPECT_EQ(receiver->BoundsRect(), Rect{});
    ASSERT_NE(receiver->Window(), nullptr) << "made when its owner showed";

    elsewhere.SetIcon(TrayAction::Add, 1, "x");
    EXPECT_EQ(system.tray.calls.back().data.window, receiver->Window());
    TObject* handled = nullptr;
    elsewhere.OnMouseUp = [&handled](TObject* sender, TMouseButton, TShiftState, int, int) {
        handled = sender;
    };
    Notify(5, kLeftUp);
    EXPECT_EQ(handled, &elsewhere);
    EXPECT_EQ(system.scripted.raised, std::vector<NativeWindow*>{other.Window()})
        << "the owner of the notified component comes to the front";
}

TEST_F(TaskTrayMini, AReceiverIsMadeAgainOnceItsOwnerIsFreed) {
    TrayModule fresh;
    {
        TTestForm first{application};
        first.Show();
        first.Create<TTaskTrayMini>(fresh);
        EXPECT_NE(fresh.SharedCallback(), nullptr);
    }
    EXPECT_EQ(fresh.SharedCallback(), nullptr);
    TTestForm second{application};
    second.Show();
    TTaskTrayMini& late = second.Create<TTaskTrayMini>(fresh);
    EXPECT_EQ(fresh.Find(2), &late);
    TMyCallback* receiver = fresh.SharedCallback();
    ASSERT_NE(receiver, nullptr);
    EXPECT_EQ(receiver->Parent(), &second);
    EXPECT_EQ(receiver->Window(), nullptr) << "made after its owner showed";
    late.SetIcon(TrayAction::Add, 1, "late");
    ASSERT_NE(receiver->Window(), nullptr);
    EXPECT_EQ(system.tray.calls.back().data.window, receiver->Window());
    EXPECT_EQ(static_cast<HeadlessWindow*>(receiver->Window())->Parent(), second.Window());
}

struct Notification {
    const char* what;
    TrayMouse mouse;
    const char* expected;   // "" when nothing at all happens
    bool bound = true;      // every event has a handler
    const char* shut = "";  // the gate set to False; "all" for every one
    bool menu = false;
    std::uint32_t id = 1;
};

class TrayNotifications : public TaskTrayMini, public testing::WithParamInterface<Notification> {};

TEST_P(TrayNotifications, RaiseTheOwnerRunTheirEventOrMenuThenPassMessages) {
    const Notification& c = GetParam();
    std::vector<std::string> log;
    struct Binding {
        const char* name;
        TMouseEvent& event;
        bool& enabled;
    };
    for (const Binding& b : {Binding{"OnMouseUp", tray.OnMouseUp, tray.EnableMouseUp},
                             Binding{"OnMouseDown", tray.OnMouseDown, tray.EnableMouseDown},
                             Binding{"OnMMouseUp", tray.OnMMouseUp, tray.EnableMMouseUp},
                             Binding{"OnMMouseDown", tray.OnMMouseDown, tray.EnableMMouseDown}}) {
        if (c.bound) {
            b.event = [&, name = std::string(b.name)](TObject* sender, TMouseButton button,
                                                      TShiftState shift, int x, int y) {
                EXPECT_EQ(sender, &tray);
                const char* side = button == TMouseButton::mbLeft     ? "left"
                                   : button == TMouseButton::mbMiddle ? "middle"
                                                                      : "right";
                log.push_back(name + " " + side + " " + std::to_string(shift) + " " + At({x, y}) +
                              " " + Effects());
            };
        }
        const std::string gate = "Enable" + std::string(b.name).substr(2);
        b.enabled = !(std::string(c.shut) == "all" || c.shut == gate);
    }
    auto& menu = form.Create<TPopupMenu>();
    auto& item = form.Create<TMenuItem>();
    item.SetCaption("Exit");
    item.OnClick = [&](TObject*) {
        log.push_back("menu " + At(system.menus.back().at) + " " + Effects());
    };
    menu.Add(item);
    system.nextMenuChoice = 0;
    if (c.menu) {
        tray.PopupMenuR = &menu;
    }

    Notify(c.id, c.mouse);

    if (std::string(c.expected).empty()) {
        EXPECT_TRUE(log.empty()) << c.what;
        EXPECT_TRUE(system.scripted.raised.empty()) << c.what;
        EXPECT_EQ(system.messagePasses, 0) << c.what;
        EXPECT_TRUE(system.menus.empty()) << c.what;
        return;
    }
    EXPECT_EQ(log, std::vector<std::string>{c.expected}) << c.what;
    EXPECT_EQ(system.scripted.raised, std::vector<NativeWindow*>{form.Window()}) << c.what;
    EXPECT_EQ(system.messagePasses, 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TrayNotifications,
    testing::Values(
        Notification{.what = "mouse move", .mouse = kMove, .expected = ""},
        Notification{
            .what = "left down", .mouse = kLeftDown, .expected = "OnMouseDown left 8 30,40 [1/0]"},
        Notification{
            .what = "left up", .mouse = kLeftUp, .expected = "OnMouseUp left 8 30,40 [1/0]"},
        Notification{.what = "left double click", .mouse = kLeftDouble, .expected = ""},
        Notification{.what = "right down", .mouse = kRightDown, .expected = "", .menu = true},
        Notification{.what = "right up with a menu",
                     .mouse = kRightUp,
                     .expected = "menu 30,40 [1/0]",
                     .menu = true},
        Notification{.what = "right up ignores the gates",
                     .mouse = kRightUp,
                     .expected = "menu 30,40 [1/0]",
                     .shut = "all",
                     .menu = true},
        Notification{.what = "right up without a menu", .mouse = kRightUp, .expected = ""},
        Notification{
            .what = "right double click", .mouse = kRightDouble, .expected = "", .menu = true},
        Notification{.what = "middle down",
                     .mouse = kMiddleDown,
                     .expected = "OnMMouseDown middle 32 30,40 [1/0]"},
        Notification{.what = "middle up",
                     .mouse = kMiddleUp,
                     .expected = "OnMMouseUp middle 32 30,40 [1/0]"},
        Notification{.what = "middle double click", .mouse = kMiddleDouble, .expected = ""},
        Notification{.what = "left down, its gate shut",
                     .mouse = kLeftDown,
                     .expected = "",
                     .shut = "EnableMouseDown"},
        Notification{.what = "left down, another gate shut",
                     .mouse = kLeftDown,
                     .expected = "OnMouseDown left 8 30,40 [1/0]",
                     .shut = "EnableMouseUp"},
        Notification{.what = "left up, its gate shut",
                     .mouse = kLeftUp,
                     .expected = "",
                     .shut = "EnableMouseUp"},
        Notification{.what = "middle down, its gate shut",
                     .mouse = kMiddleDown,
                     .expected = "",
                     .shut = "EnableMMouseDown"},
        Notification{.what = "middle up, its gate shut",
                     .mouse = kMiddleUp,
                     .expected = "",
                     .shut = "EnableMMouseUp"},
        Notification{
            .what = "left down unbound", .mouse = kLeftDown, .expected = "", .bound = false},
        Notification{.what = "left up unbound", .mouse = kLeftUp, .expected = "", .bound = false},
        Notification{
            .what = "middle down unbound", .mouse = kMiddleDown, .expected = "", .bound = false},
        Notification{
            .what = "middle up unbound", .mouse = kMiddleUp, .expected = "", .bound = false},
        Notification{.what = "unknown identifier",
                     .mouse = kLeftUp,
                     .expected = "",
                     .menu = true,
                     .id = 99}));

struct IconCase {
    const char* what;
    std::optional<TrayAction> action;  // the shell's, when it is called
    std::string tip;
    std::string recordedTip;
};

class SetIconCalls : public TaskTrayMini, public testing::WithParamInterface<IconCase> {};

// The record is seen where it goes: in the shell's call, and in the icon added again for a
// new taskbar while it is shown.
TEST_P(SetIconCalls, RefillTheWholeRecordAndCallTheShellByAction) {
    const IconCase& c = GetParam();
    TTaskTrayMini& second = NewTray(form);
    second.SetIcon(TrayAction::Add, 0x99, "before");
    system.tray.calls.clear();

    second.SetIcon(c.action, HeadlessWindowSystem::kIcon, c.tip);
    if (!c.action) {
        EXPECT_TRUE(system.tray.calls.empty()) << c.what;
    } else {
        ASSERT_EQ(system.tray.calls.size(), 1u) << c.what;
        EXPECT_EQ(system.tray.calls[0].action, *c.action) << c.what;
    }
    module.ReAddShownIcons();
    if (c.action == TrayAction::Delete) {
        EXPECT_EQ(system.tray.calls.size(), 1u) << c.what << ": no longer shown";
    } else {
        ASSERT_FALSE(system.tray.calls.empty()) << c.what;
        EXPECT_EQ(system.tray.calls.back().action, TrayAction::Add) << c.what;
    }
    for (const RecordingNotificationArea::Call& call : system.tray.calls) {
        EXPECT_EQ(call.data.window, module.SharedCallback()->Window()) << c.what;
        EXPECT_NE(call.data.window, nullptr) << c.what;
        EXPECT_EQ(call.data.id, 2u) << c.what;
        EXPECT_EQ(call.data.icon, HeadlessWindowSystem::kIcon) << c.what;
        EXPECT_EQ(call.data.tip, c.recordedTip) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SetIconCalls,
                         testing::Values(IconCase{"add, 63-byte tip", TrayAction::Add,
                                                  std::string(63, 'a'), std::string(63, 'a')},
                                         IconCase{"modify, 64-byte tip", TrayAction::Modify,
                                                  std::string(62, 'b') + "\x8E\x9E",
                                                  std::string(62, 'b') + "\x8E"},
                                         IconCase{"delete, empty tip", TrayAction::Delete, "", ""},
                                         IconCase{"no action", std::nullopt, "tip", "tip"}));

// What the shell answered, call by call: "add+" taken, "add-" refused.
std::vector<std::string> ShellLog(const RecordingNotificationArea& shell, std::size_t from) {
    static const char* const kNames[] = {"add", "modify", "delete"};
    std::vector<std::string> log;
    for (std::size_t i = from; i < shell.calls.size(); ++i) {
        log.push_back(kNames[static_cast<int>(shell.calls[i].action)]);
    }
    return log;
}

// At logon the shell may not run yet: each refused add is asked again every 2 s, until one
// is taken or the taskbar announces itself, and never for an icon deleted meanwhile.
TEST_F(TaskTrayMini, AnIconTheShellRefusesIsAddedAgainEveryTwoSecondsUntilTaken) {
    const struct {
        const char* what;
        int refusals;
        std::function<void()> meanwhile;
        std::vector<std::string> calls;
    } cases[] = {
        {"taken at once", 0, [] {}, {"add", "add"}},
        {"refused twice, then taken", 2, [] {}, {"add", "add", "add", "add"}},
        {"the taskbar made anew meanwhile",
         1,
         [&] { module.ReAddShownIcons(); },
         {"add", "add", "add"}},
        {"deleted meanwhile",
         5,
         [&] { tray.SetIcon(TrayAction::Delete, 1, "t"); },
         {"add", "delete"}},
    };
    for (const auto& c : cases) {
        system.tray.calls.clear();
        system.tray.refusals = c.refusals;
        tray.SetIcon(TrayAction::Add, 1, "t");
        c.meanwhile();
        for (int tick = 0; tick < 6; ++tick) {
            system.FireTimers(TTaskTrayMini::kAddRetryMs);
        }
        // Taken or not wanted: nothing more is asked.
        system.tray.refusals = 0;
        const std::size_t asked = system.tray.calls.size();
        system.FireTimers(TTaskTrayMini::kAddRetryMs);
        EXPECT_EQ(system.tray.calls.size(), asked) << c.what;
        // A later taskbar brings back only a wanted icon.
        module.ReAddShownIcons();
        EXPECT_EQ(ShellLog(system.tray, 0), c.calls) << c.what;
        tray.SetIcon(TrayAction::Delete, 1, "t");
    }
}

TEST_F(TaskTrayMini, ABalloonTheShellRefusesAddsTheIconAgainAndComesWithIt) {
    tray.SetIcon(TrayAction::Add, 1, "t");
    system.tray.calls.clear();
    system.tray.refusals = 1;
    tray.ShowBalloon("title", "text");
    EXPECT_EQ(ShellLog(system.tray, 0), std::vector<std::string>{"add"});
    ASSERT_EQ(system.tray.balloons.size(), 2u) << "tried, then again after the add";
    EXPECT_EQ(system.tray.balloons[1].text, "text");

    // The shell refuses the add as well: the balloon is lost, the icon asked for again.
    system.tray.calls.clear();
    system.tray.refusals = 2;
    tray.ShowBalloon("title", "text");
    EXPECT_EQ(system.tray.balloons.size(), 3u);
    system.FireTimers(TTaskTrayMini::kAddRetryMs);
    EXPECT_EQ(ShellLog(system.tray, 0), (std::vector<std::string>{"add", "add"}));
}

TEST_F(TaskTrayMini, ANotificationInsideAHandlerIsHandled) {
    TTaskTrayMini& other = NewTray(form);
    std::vector<std::string> log;
    tray.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        log.push_back("outer " + Effects());
        Notify(2, kLeftUp);
        log.push_back("outer again " + Effects());
    };
    other.OnMouseUp = [&](TObject* sender, TMouseButton, TShiftState, int, int) {
        EXPECT_EQ(sender, &other);
        log.push_back("inner " + Effects());
    };
    Notify(1, kLeftDown);
    EXPECT_EQ(log, (std::vector<std::string>{"outer [1/0]", "inner [2/0]", "outer again [2/1]"}));
    EXPECT_EQ(system.messagePasses, 2);
}

TEST_F(TaskTrayMini, WhatAHandlerThrowsReachesTheErrorBoxAndSkipsTheMessagePass) {
    tray.OnMouseUp = [](TObject*, TMouseButton, TShiftState, int, int) {
        throw Exception("no launcher");
    };
    Notify(1, kLeftUp);
    EXPECT_EQ(system.errorBoxes, std::vector<std::string>{"Test: no launcher."});
    EXPECT_EQ(system.scripted.raised.size(), 1u);
    EXPECT_EQ(system.messagePasses, 0);
}

TEST_F(TaskTrayMini, ANewTaskbarGetsTheShownIconsAgainWithTheirLastRecords) {
    TTaskTrayMini& deleted = NewTray(form);
    TTaskTrayMini& neverAdded = NewTray(form);
    TTaskTrayMini& modified = NewTray(form);
    tray.SetIcon(TrayAction::Add, 1, "one");
    deleted.SetIcon(TrayAction::Add, 2, "two");
    deleted.SetIcon(TrayAction::Delete, 2, "two");
    neverAdded.SetIcon(TrayAction::Modify, 3, "three");
    modified.SetIcon(TrayAction::Add, 4, "four");
    modified.SetIcon(TrayAction::Modify, 5, "five");
    modified.SetIcon(std::nullopt, 6, "six");
    system.tray.calls.clear();

    module.ReAddShownIcons();

    ASSERT_EQ(system.tray.calls.size(), 2u);
    struct Expected {
        std::uint32_t id;
        std::uintptr_t icon;
        const char* tip;
    };
    const Expected expected[] = {{1, 1, "one"}, {4, 6, "six"}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TrayIcon& data = system.tray.calls[i].data;
        EXPECT_EQ(system.tray.calls[i].action, TrayAction::Add);
        EXPECT_EQ(data.id, expected[i].id);
        EXPECT_EQ(data.icon, expected[i].icon);
        EXPECT_EQ(data.tip, expected[i].tip);
        EXPECT_EQ(data.window, module.SharedCallback()->Window());
    }
}

}  // namespace
}  // namespace vc
