#pragma once
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform.h"

namespace vc {

// A desktop whose pointer, keys and other programs' windows are set by hand, and which
// remembers what it was asked to do.
class ScriptedDesktop final : public Desktop {
  public:
    Point CursorPos() const override { return cursor; }
    bool KeyDown(int virtualKey) const override { return keysDown.count(virtualKey) != 0; }
    bool WindowOfClassExists(std::string_view className) const override {
        return windowClasses.count(std::string(className)) != 0;
    }
    void StartProcess(const std::string& application, const std::string& folder) override {
        started.emplace_back(application, folder);
    }
    void BringToFront(NativeWindow& window) override { raised.push_back(&window); }

    Point cursor{-100, -100};
    std::set<int> keysDown;
    std::set<std::string> windowClasses;
    std::vector<std::pair<std::string, std::string>> started;
    std::vector<NativeWindow*> raised;
};

// Records every request to the notification area.
class RecordingNotificationArea final : public NotificationArea {
  public:
    struct Call {
        std::uint32_t action;
        NotifyIconData data;
    };
    void NotifyIcon(std::uint32_t action, const NotifyIconData& data) override {
        calls.push_back({action, data});
    }
    std::vector<Call> calls;
};

}  // namespace vc
