#include "tray/task_tray_mini.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <stdexcept>

#include "framework/cp932_bytes.h"
#include "framework/errors.h"
#include "framework/menu.h"

namespace vc {
namespace {

struct MouseRoute {
    TrayMouse::Kind kind;
    TMouseButton button;
    TMouseEvent TTaskTrayMini::*event;
    bool TTaskTrayMini::*enabled;
    TShiftState shift;
};

constexpr MouseRoute kMouseRoutes[] = {
    {TrayMouse::Kind::Down, TMouseButton::mbLeft, &TTaskTrayMini::OnMouseDown,
     &TTaskTrayMini::EnableMouseDown, ssLeft},
    {TrayMouse::Kind::Up, TMouseButton::mbLeft, &TTaskTrayMini::OnMouseUp,
     &TTaskTrayMini::EnableMouseUp, ssLeft},
    {TrayMouse::Kind::Down, TMouseButton::mbMiddle, &TTaskTrayMini::OnMMouseDown,
     &TTaskTrayMini::EnableMMouseDown, ssMiddle},
    {TrayMouse::Kind::Up, TMouseButton::mbMiddle, &TTaskTrayMini::OnMMouseUp,
     &TTaskTrayMini::EnableMMouseUp, ssMiddle},
};

TWinControl& WindowedOwner(TComponent* owner) {
    auto* control = dynamic_cast<TWinControl*>(owner);
    if (control == nullptr) {
        throw std::logic_error("TTaskTrayMini needs a windowed control as its owner");
    }
    return *control;
}

}  // namespace

TTaskTrayMini* TrayModule::Find(std::uint32_t id) const {
    const std::string key = std::to_string(id);
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&key](const Entry& entry) { return entry.id == key; });
    return found == entries_.end() ? nullptr : found->component;
}

void TrayModule::ReAddShownIcons() const {
    for (const Entry& entry : entries_) {
        if (entry.component != nullptr) {
            entry.component->TaskbarCreated();
        }
    }
}

std::int32_t TrayModule::Register(TTaskTrayMini& component) {
    std::int32_t id = 1;
    if (!entries_.empty()) {
        const std::string& last = entries_.back().id;
        std::from_chars(last.data(), last.data() + last.size(), id);
        ++id;
    }
    entries_.push_back({std::to_string(id), &component});
    return id;
}

void TrayModule::Forget(const TTaskTrayMini& component) {
    for (Entry& entry : entries_) {
        if (entry.component == &component) {
            entry.component = nullptr;
        }
    }
}

// A later component makes a new receiver rather than reaching a freed one.
void TrayModule::Forget(const TMyCallback& callback) {
    if (sharedCallback_ == &callback) {
        sharedCallback_ = nullptr;
    }
}

TrayModule& ProcessTrayModule() {
    // Never freed: components may outlive static destruction.
    static TrayModule& module = *new TrayModule;
    return module;
}

TTaskTrayMini::TTaskTrayMini(TComponent* owner) : TTaskTrayMini(owner, ProcessTrayModule()) {}

TTaskTrayMini::TTaskTrayMini(TComponent* owner, TrayModule& module)
    : TComponent(owner), module_(module) {
    TWinControl& parent = WindowedOwner(owner);
    if (module_.sharedCallback_ == nullptr) {
        auto& callback = owner->Create<TMyCallback>(module_);
        callback.SetParent(&parent);
        module_.sharedCallback_ = &callback;
    }
    FIconId = module_.Register(*this);
    FIconData.id = static_cast<std::uint32_t>(FIconId);
}

// The icon stays in the notification area and the identifier stays taken.
TTaskTrayMini::~TTaskTrayMini() {
    module_.Forget(*this);
}

void TTaskTrayMini::SetIcon(std::optional<TrayAction> action, std::uintptr_t icon,
                            std::string_view tip) {
    TMyCallback* receiver = module_.SharedCallback();
    FIconData = TrayIcon{
        .window = receiver == nullptr ? nullptr : receiver->WindowNeeded(),
        .id = static_cast<std::uint32_t>(FIconId),
        .icon = icon,
        .tip = std::string(tip.substr(0, kTrayTipBytes)),
    };
    if (!action) {
        return;
    }
    if (*action == TrayAction::Add) {
        shown_ = true;
        AddToShell();
        return;
    }
    if (*action == TrayAction::Delete) {
        shown_ = false;
        addRetry_.reset();
    }
    System().Notifications().NotifyIcon(*action, FIconData);
}

bool TTaskTrayMini::AddToShell() {
    if (System().Notifications().NotifyIcon(TrayAction::Add, FIconData)) {
        addRetry_.reset();
        return true;
    }
    if (!addRetry_) {
        addRetry_ =
            System().StartTimer(kAddRetryMs, [this] { Dispatch([this] { AddToShell(); }); });
    }
    return false;
}

void TTaskTrayMini::ShowBalloon(std::string_view title, std::string_view text,
                                BalloonTiming timing) {
    if (!shown_) {
        return;
    }
    const TrayBalloon balloon{
        .window = FIconData.window,
        .id = FIconData.id,
        .title = std::string(WholeCharactersWithin(title, kBalloonTitleBytes)),
        .text = std::string(WholeCharactersWithin(text, kBalloonTextBytes)),
        .timing = timing,
    };
    // Refused, the icon may be gone from a shell that restarted unannounced: added again,
    // it carries the balloon.
    NotificationArea& shell = System().Notifications();
    if (!shell.ShowBalloon(balloon) && AddToShell()) {
        shell.ShowBalloon(balloon);
    }
}

void TTaskTrayMini::TaskbarCreated() {
    if (shown_) {
        AddToShell();
    }
}

TWinControl& TTaskTrayMini::OwnerControl() const {
    return static_cast<TWinControl&>(*Owner());
}

void TTaskTrayMini::Respond(const TrayMouse& mouse, Point at) {
    // The balloon is the shell's, not the owner's: the owner stays where it is.
    if (mouse.kind == TrayMouse::Kind::BalloonClick) {
        if (OnBalloonClick) {
            const TNotifyEvent event = OnBalloonClick;
            event(this);
        }
        return;
    }
    std::function<void()> action;
    if (mouse.kind == TrayMouse::Kind::Up && mouse.button == TMouseButton::mbRight) {
        if (PopupMenuR != nullptr) {
            action = [menu = PopupMenuR, at] { menu->Popup(at); };
        }
    }
    for (const MouseRoute& route : kMouseRoutes) {
        if (route.kind == mouse.kind && route.button == mouse.button && this->*route.enabled &&
            this->*route.event) {
            // A copy: the handler may rebind its own event.
            action = [this, event = this->*route.event, route, at] {
                event(this, route.button, route.shift, at.x, at.y);
            };
        }
    }
    if (!action) {
        return;
    }
    // The handler may free this component; nothing of it is reached afterwards.
    WindowSystem& system = System();
    if (NativeWindow* window = OwnerControl().Window()) {
        system.TheDesktop().BringToFront(*window);
    }
    action();
    system.ProcessMessages();
}

bool TTaskTrayMini::SetProperty(std::string_view name, const LayoutValue& value,
                                LayoutContext& context) {
    struct Gate {
        std::string_view name;
        bool& flag;
    };
    struct Event {
        std::string_view name;
        TMouseEvent& event;
    };
    for (const Gate& gate :
         {Gate{"EnableMouseUp", EnableMouseUp}, Gate{"EnableMouseDown", EnableMouseDown},
          Gate{"EnableMMouseUp", EnableMMouseUp}, Gate{"EnableMMouseDown", EnableMMouseDown}}) {
        if (name == gate.name) {
            gate.flag = value.AsBool();
            return true;
        }
    }
    for (const Event& event :
         {Event{"OnMouseUp", OnMouseUp}, Event{"OnMouseDown", OnMouseDown},
          Event{"OnMMouseUp", OnMMouseUp}, Event{"OnMMouseDown", OnMMouseDown}}) {
        if (name == event.name) {
            event.event = context.MouseHandler(value);
            return true;
        }
    }
    if (name == "PopupMenuR") {
        context.Reference(value, [this, line = value.line](TComponent& target) {
            PopupMenuR = dynamic_cast<TPopupMenu*>(&target);
            if (PopupMenuR == nullptr) {
                throw ELayoutError(line, target.Name() + " is not a popup menu");
            }
        });
        return true;
    }
    return TComponent::SetProperty(name, value, context);
}

TMyCallback::TMyCallback(TComponent* owner) : TMyCallback(owner, ProcessTrayModule()) {}

TMyCallback::TMyCallback(TComponent* owner, TrayModule& module)
    : TWinControl(owner), module_(module) {}

TMyCallback::~TMyCallback() {
    module_.Forget(*this);
}

NativeWindow* TMyCallback::WindowNeeded() {
    if (Window() == nullptr && Parent() != nullptr && Parent()->Window() != nullptr) {
        SetWindow(System().CreateChild(*this, ClassName(), *Parent()->Window(), BoundsRect()));
        if (Visible()) {
            Window()->Show();
        }
    }
    return Window();
}

void TMyCallback::TrayMouseAction(const TrayMouse& action) {
    TTaskTrayMini* tray = module_.Find(action.iconId);
    if (tray == nullptr) {
        return;
    }
    const Point at = tray->System().TheDesktop().CursorPos();
    // What the handler or the menu throws ends the handling and reaches the error box.
    Dispatch([tray, action, at] { tray->Respond(action, at); });
}

}  // namespace vc
