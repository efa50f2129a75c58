#pragma once
#include <cstddef>
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

// Whether a balloon the shell cannot show at once (a full-screen game, Focus Assist) waits
// for later or is dropped: news of a moment is wrong once the moment has passed.
enum class BalloonTiming : std::uint8_t { Queued, NowOrDropped };

// A balloon over a shown icon: a short title and a text, both CP932. The caller keeps them
// within the shell's fields (kBalloonTitleBytes, kBalloonTextBytes).
struct TrayBalloon {
    NativeWindow* window = nullptr;
    std::uint32_t id = 0;
    std::string title;
    std::string text;
    BalloonTiming timing = BalloonTiming::Queued;
};

inline constexpr std::size_t kBalloonTitleBytes = 63;
inline constexpr std::size_t kBalloonTextBytes = 255;

// A mouse action on a notification-area icon, or a click on its balloon.
struct TrayMouse {
    enum class Kind { Move, Down, Up, DoubleClick, BalloonClick };
    std::uint32_t iconId = 0;
    Kind kind = Kind::Move;
    TMouseButton button = TMouseButton::mbLeft;
};

class NotificationArea {
  public:
    virtual ~NotificationArea() = default;
    // Whether the shell took the request: at logon it may not run yet, or time out.
    virtual bool NotifyIcon(TrayAction action, const TrayIcon& icon) = 0;
    // Replaces the icon's balloon, if it shows one; a click on it comes back as a TrayMouse
    // of kind BalloonClick. False when the shell refused it (the icon gone, among others).
    virtual bool ShowBalloon(const TrayBalloon& balloon) = 0;
};

}  // namespace vc
