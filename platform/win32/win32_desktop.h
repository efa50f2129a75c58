#pragma once
#include "framework/seam/desktop.h"
#include "framework/seam/native_window.h"
#include "framework/seam/notification_area.h"

namespace vc {

class Win32Desktop final : public Desktop {
  public:
    Point CursorPos() const override;
    KeyState StateOf(Key key) const override;
    WindowId FindTopLevel(std::string_view className) const override;
    WindowId ForegroundWindow() const override;
    std::optional<Size> ClientSize(WindowId window) const override;
    std::unique_ptr<Capture> CaptureClient(WindowId window, Size size) override;
    std::unique_ptr<Capture> PrintClient(WindowId window, Size size) override;
    bool WindowVisible(WindowId window) const override;
    DpiContext WindowDpiContext(WindowId window) const override;
    DpiContext SetThreadDpiContext(DpiContext context) override;
    double PhysicalScaleOf(WindowId window) const override;
    StartResult StartProcess(const std::string& application, const std::string& folder) override;
    void StartElevated(const std::string& application, const std::string& folder) override;
    void BringToFront(NativeWindow& window) override;
    void ShowInFolder(const std::string& file) override;
};

// Shell_NotifyIconA with the first version of its record for the icon itself; the balloon
// needs the Windows 2000 record.
class Win32NotificationArea final : public NotificationArea {
  public:
    bool NotifyIcon(TrayAction action, const TrayIcon& icon) override;
    bool ShowBalloon(const TrayBalloon& balloon) override;
};

}  // namespace vc
