#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/bitmap.h"
#include "framework/errors.h"
#include "framework/seam/desktop.h"
#include "framework/seam/native_window.h"
#include "framework/seam/notification_area.h"
#include "framework/texts.h"
#include "tests/support/software_capture.h"

namespace vc {

// A desktop whose pointer, keys and other programs' windows are set by hand, and which
// remembers what it was asked to do.
class ScriptedDesktop final : public Desktop {
  public:
    struct Window {
        std::string className;
        Bitmap client;  // what its client area shows
        // What it draws when asked to print itself; nothing when it does not answer.
        std::optional<Bitmap> printed;
        bool visible = true;
        DpiContext dpi = 0;
    };

    Point CursorPos() const override { return cursor; }
    KeyState StateOf(Key key) const override {
        const auto found = keys.find(key);
        return found == keys.end() ? KeyState{} : found->second;
    }
    // The toggle flips at each press, as the system's does.
    void Press(Key key) {
        KeyState& state = keys[key];
        state = KeyState{.down = true, .toggled = !state.toggled};
    }
    void Release(Key key) { keys[key].down = false; }

    WindowId FindTopLevel(std::string_view className) const override {
        for (const auto& [id, window] : windows) {
            if (window.className == className) {
                return id;
            }
        }
        return 0;
    }
    WindowId ForegroundWindow() const override { return foreground; }
    std::optional<Size> ClientSize(WindowId id) const override {
        if (beforeMeasure) {
            beforeMeasure();
        }
        const auto found = windows.find(id);
        if (found == windows.end()) {
            return std::nullopt;
        }
        // Measured in scaled units, as on a system without DPI contexts.
        return Size{static_cast<int>(found->second.client.Width() / physicalScale),
                    static_cast<int>(found->second.client.Height() / physicalScale)};
    }
    std::unique_ptr<Capture> CaptureClient(WindowId id, Size size) override {
        if (beforeCopy) {
            beforeCopy();
        }
        if (failCaptures) {
            throw EOutOfResources(std::string(texts::kOutOfResources.cp932));
        }
        const auto found = windows.find(id);
        if (found == windows.end()) {
            return nullptr;
        }
        return MakeCapture(&found->second.client, size);
    }
    std::unique_ptr<Capture> PrintClient(WindowId id, Size size) override {
        ++printsMade;
        const auto found = windows.find(id);
        if (found == windows.end() || !found->second.printed) {
            return nullptr;
        }
        return MakeCapture(&*found->second.printed, size);
    }
    bool WindowVisible(WindowId id) const override {
        const auto found = windows.find(id);
        return found != windows.end() && found->second.visible;
    }
    DpiContext WindowDpiContext(WindowId id) const override {
        const auto found = windows.find(id);
        return found == windows.end() ? 0 : found->second.dpi;
    }
    double PhysicalScaleOf(WindowId) const override { return physicalScale; }
    // A system without DPI contexts (threadDpi 0) changes nothing and answers 0.
    DpiContext SetThreadDpiContext(DpiContext context) override {
        if (threadDpi == 0) {
            return 0;
        }
        dpiSwitches.push_back(context);
        return std::exchange(threadDpi, context);
    }

    StartResult StartProcess(const std::string& application, const std::string& folder) override {
        started.emplace_back(application, folder);
        return startResult;
    }
    void StartElevated(const std::string& application, const std::string& folder) override {
        startedElevated.emplace_back(application, folder);
    }
    void BringToFront(NativeWindow& window) override { raised.push_back(&window); }
    void ShowInFolder(const std::string& file) override { shownInFolder.push_back(file); }

    // Opens a window of another program and returns its identifier.
    WindowId OpenWindow(std::string className, Bitmap client = Bitmap(4, 3)) {
        const WindowId id = nextWindow++;
        Window& window = windows[id];
        window.className = std::move(className);
        window.client = std::move(client);
        return id;
    }

    Point cursor{-100, -100};
    std::map<Key, KeyState> keys;
    std::map<WindowId, Window> windows;
    WindowId foreground = 0;
    WindowId nextWindow = 0x100;
    // Runs as the size of a client area is asked for (a window may vanish then).
    std::function<void()> beforeMeasure;
    // Runs as the copy starts, after the measuring.
    std::function<void()> beforeCopy;
    int displayBitsPerPixel = 32;
    bool failCopies = false;
    bool failCaptures = false;  // CaptureClient itself fails
    int capturesMade = 0;
    int capturesAlive = 0;
    int printsMade = 0;
    // The thread's DPI context (0: a system without them) and each switch asked of it.
    DpiContext threadDpi = 0;
    // Physical pixels per measured one: a DPI-aware game on a scaled display of a system
    // without DPI contexts.
    double physicalScale = 1.0;
    std::vector<DpiContext> dpiSwitches;
    // What StartProcess answers.
    StartResult startResult = StartResult::Started;
    std::vector<std::pair<std::string, std::string>> started;
    std::vector<std::pair<std::string, std::string>> startedElevated;
    std::vector<NativeWindow*> raised;
    std::vector<std::string> shownInFolder;

  private:
    // A display copy of `client` (nothing: a window that shows nothing).
    std::unique_ptr<Capture> MakeCapture(const Bitmap* client, Size size);
};

inline std::unique_ptr<Capture> ScriptedDesktop::MakeCapture(const Bitmap* client, Size size) {
    // White where the window shows nothing, as a fresh display bitmap.
    Bitmap pixels(size.width, size.height, Rgb{255, 255, 255});
    if (client != nullptr) {
        for (int y = 0; y < std::min(size.height, client->Height()); ++y) {
            for (int x = 0; x < std::min(size.width, client->Width()); ++x) {
                pixels.At(x, y) = client->At(x, y);
            }
        }
    }
    ++capturesMade;
    auto capture =
        std::make_unique<SoftwareCapture>(std::move(pixels), displayBitsPerPixel, &capturesAlive);
    capture->failCopies = failCopies;
    return capture;
}

// Records every request to the notification area.
class RecordingNotificationArea final : public NotificationArea {
  public:
    struct Call {
        TrayAction action;
        TrayIcon data;
    };
    bool NotifyIcon(TrayAction action, const TrayIcon& data) override {
        calls.push_back({action, data});
        return Answer();
    }
    bool ShowBalloon(const TrayBalloon& balloon) override {
        balloons.push_back(balloon);
        return Answer();
    }
    std::vector<Call> calls;
    std::vector<TrayBalloon> balloons;
    // The next requests the shell refuses (not running yet, or the icon gone).
    int refusals = 0;

  private:
    bool Answer() { return refusals > 0 ? (--refusals, false) : true; }
};

}  // namespace vc
