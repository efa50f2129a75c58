#pragma once
#include "framework/errors.h"
#include "framework/seam/desktop.h"
#include "framework/seam/notification_area.h"
#include "framework/texts.h"

namespace vc {

// A desktop with no other program on it, no key down and the pointer nowhere near: what a
// picture of the strip needs and no more.
class EmptyDesktop final : public Desktop {
  public:
    Point CursorPos() const override { return {-100, -100}; }
    KeyState StateOf(Key) const override { return {}; }
    WindowId FindTopLevel(std::string_view) const override { return 0; }
    WindowId ForegroundWindow() const override { return 0; }
    std::optional<Size> ClientSize(WindowId) const override { return std::nullopt; }
    std::unique_ptr<Capture> CaptureClient(WindowId, Size) override {
        throw EOutOfResources(std::string(texts::kOutOfResources.cp932));
    }
    std::unique_ptr<Capture> PrintClient(WindowId, Size) override { return nullptr; }
    bool WindowVisible(WindowId) const override { return false; }
    DpiContext WindowDpiContext(WindowId) const override { return 0; }
    DpiContext SetThreadDpiContext(DpiContext) override { return 0; }
    double PhysicalScaleOf(WindowId) const override { return 1.0; }
    StartResult StartProcess(const std::string&, const std::string&) override {
        return StartResult::Failed;
    }
    void StartElevated(const std::string&, const std::string&) override {}
    void BringToFront(NativeWindow&) override {}
    void ShowInFolder(const std::string&) override {}
};

// A notification area that shows nothing.
class NoNotificationArea final : public NotificationArea {
  public:
    bool NotifyIcon(TrayAction, const TrayIcon&) override { return true; }
    bool ShowBalloon(const TrayBalloon&) override { return true; }
};

}  // namespace vc
