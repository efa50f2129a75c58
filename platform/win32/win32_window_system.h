#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "framework/seam/window_system.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/win32_desktop.h"

namespace vc {

// Windows, timers, menus and the error box through the Windows API. It owns the
// application's hidden window, which owns every top-level window and carries no
// taskbar button.
class Win32WindowSystem final : public WindowSystem {
  public:
    explicit Win32WindowSystem(HINSTANCE instance);
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    HWND ApplicationWindow() const { return application_; }
    int RunMessageLoop();

    std::unique_ptr<NativeWindow> CreateTopLevel(WindowClient& client, const TopLevelStyle& style,
                                                 const Rect& bounds) override;
    std::unique_ptr<NativeWindow> CreateChild(WindowClient& client, const std::string& className,
                                              NativeWindow& parent, const Rect& bounds) override;
    std::unique_ptr<TimerHandle> StartTimer(int intervalMs, std::function<void()> tick) override;
    const TextMetrics& Metrics() const override { return metrics_; }
    Rect MonitorRectNear(const Rect& area) const override;
    Rgb ResolveColor(TColor colour) const override;
    bool DoubleByteCodePage() const override;
    int TrackPopupMenu(const std::vector<MenuEntry>& entries, Point at) override;
    void ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) override;
    std::optional<TColor> PickColor(TColor initial, std::array<TColor, 16>& custom,
                                    const NativeWindow& anchor) override;
    void Terminate() override { PostQuitMessage(0); }
    void ProcessMessages() override;
    std::uintptr_t ApplicationIcon() const override;
    Desktop& TheDesktop() override { return desktop_; }
    NotificationArea& Notifications() override { return notifications_; }

    void FireTimer(UINT_PTR id);
    void ForgetTimer(UINT_PTR id);

  private:
    HINSTANCE instance_;
    HWND application_ = nullptr;
    FontCache fonts_;
    GdiTextMetrics metrics_{fonts_};
    Win32Desktop desktop_;
    Win32NotificationArea notifications_;
    std::map<UINT_PTR, std::function<void()>> timers_;
    UINT_PTR nextTimer_ = 1;
};

}  // namespace vc
