#pragma once
#include <optional>
#include <string>

#include "app/vlttime/strip_render.h"
#include "tests/support/scripted_window_system.h"

namespace vc {

struct ScriptedSystemHolder {
    ScriptedWindowSystem scriptedSystem;
};

// The clock window as the program builds it, on the scripted desktop.
class ScriptedStrip : private ScriptedSystemHolder, public HeadlessStrip {
  public:
    explicit ScriptedStrip(const SystemTime& start, const std::string& programPath = kNoProgram,
                           std::optional<std::string> documentsFolder = std::nullopt)
        : HeadlessStrip(scriptedSystem, start, programPath, std::move(documentsFolder)) {}

    ScriptedWindowSystem& System() { return scriptedSystem; }
};

}  // namespace vc
