#pragma once
#include <cstdint>
#include <string>

#include "framework/mouse.h"

namespace vc {

class NativeWindow;

enum class TrayAction { Add, Modify, Delete };

// An icon in the notification area; mouse actions on it reach `window` as TrayMouse.
struct TrayIcon {
    NativeWindow* window = nullptr;
    std::uint32_t id = 0;
    std::uintptr_t icon = 0;  // as WindowSystem::ApplicationIcon gives it
    std::string tip;          // CP932; the shell keeps what fits its field
};

// A mouse action on a notification-area icon.
struct TrayMouse {
    enum class Kind { Move, Down, Up, DoubleClick };
    std::uint32_t iconId = 0;
    Kind kind = Kind::Move;
    TMouseButton button = TMouseButton::mbLeft;
};

class NotificationArea {
  public:
    virtual ~NotificationArea() = default;
    // The shell's answer is not examined by anyone.
    virtual void NotifyIcon(TrayAction action, const TrayIcon& icon) = 0;
};

}  // namespace vc
