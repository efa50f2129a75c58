#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/vlttime/strip_render.h"
#include "tests/support/scripted_window_system.h"

namespace vc {

struct ScriptedSystemHolder {
    explicit ScriptedSystemHolder(std::vector<Rect> monitors) {
        scriptedSystem.monitors = std::move(monitors);
    }
    ScriptedWindowSystem scriptedSystem;
};

inline const std::vector<Rect>& kOneMonitor = HeadlessWindowSystem::kOneMonitor;

// The clock window as the program builds it, on the scripted desktop.
class ScriptedStrip : private ScriptedSystemHolder, public HeadlessStrip {
  public:
    // The monitors are there before the strip starts.
    explicit ScriptedStrip(const SystemTime& start, const std::string& programPath = kNoProgram,
                           std::optional<std::string> documentsFolder = std::nullopt,
                           std::vector<Rect> monitors = kOneMonitor)
        : ScriptedSystemHolder(std::move(monitors)),
          HeadlessStrip(scriptedSystem, start, programPath, std::move(documentsFolder)) {}

    ScriptedWindowSystem& System() { return scriptedSystem; }
    // What the menu does when the user picks `item`: its click, through the dispatch.
    void Choose(TMenuItem* item) {
        Application().Dispatch([item] { item->OnClick(item); });
    }
    // A value of the window as the settings file would get it.
    template <typename T>
    T Setting(SettingKey key) {
        return std::get<T>(Form().Get(key));
    }
};

}  // namespace vc
