#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/canvas.h"
#include "framework/color.h"
#include "framework/errors.h"
#include "framework/geometry.h"
#include "framework/seam/desktop.h"
#include "framework/seam/native_window.h"
#include "framework/seam/notification_area.h"
#include "framework/seam/window_client.h"

namespace vc {

struct TopLevelStyle {
    std::string className;
    bool stayOnTop = false;
};

struct MenuEntry {
    std::string caption;  // CP932, with its "&" marker
    bool separator = false;
    bool checked = false;
    bool enabled = true;
};

class TimerHandle {
  public:
    virtual ~TimerHandle() = default;
};

// Windows, timers, menus and dialogs, and the way to the desktop and the notification area.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    virtual std::unique_ptr<NativeWindow> CreateTopLevel(WindowClient& client,
                                                         const TopLevelStyle& style,
                                                         const Rect& bounds) = 0;
    virtual std::unique_ptr<NativeWindow> CreateChild(WindowClient& client,
                                                      const std::string& className,
                                                      NativeWindow& parent, const Rect& bounds) = 0;
    // Calls `tick` every `intervalMs` until the handle is destroyed.
    virtual std::unique_ptr<TimerHandle> StartTimer(int intervalMs, std::function<void()> tick) = 0;
    virtual const TextMetrics& Metrics() const = 0;
    // The rectangle of the monitor nearest to `area` (on one monitor, the desktop).
    virtual Rect MonitorRectNear(const Rect& area) const = 0;
    // The colour as the screen shows it; resolves system colours.
    virtual Rgb ResolveColor(TColor colour) const = 0;
    // Whether the system's ANSI code page has double-byte characters (a Japanese Windows):
    // the menu's automatic access keys take their form from it.
    virtual bool DoubleByteCodePage() const = 0;
    // Shows a popup menu with its top-left corner at `at` (screen coordinates) and returns
    // the index of the chosen entry, or -1.
    virtual int TrackPopupMenu(const std::vector<MenuEntry>& entries, Point at) = 0;
    // Each piece is shown as its code page says; the title is the program file's name
    // (ANSI).
    virtual void ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) = 0;
    // The colour dialog, preset to `initial`; the chosen colour, or nothing when cancelled.
    // `custom` holds the dialog's 16 custom colours and keeps what the user makes of them.
    // It opens on the monitor of the program's active window, else of `anchor`.
    virtual std::optional<TColor> PickColor(TColor initial, std::array<TColor, 16>& custom,
                                            const NativeWindow& anchor) = 0;
    // Ends the message loop once the current handler returns.
    virtual void Terminate() = 0;
    // Handles the messages already waiting, without waiting for more.
    virtual void ProcessMessages() = 0;
    // The application's icon, as the shell takes it.
    virtual std::uintptr_t ApplicationIcon() const = 0;
    virtual Desktop& TheDesktop() = 0;
    virtual NotificationArea& Notifications() = 0;
};

}  // namespace vc
