#pragma once
#include <string>

#include "clock/game_time.h"
#include "framework/system_time.h"

namespace vc {

// Both lines are CP932 bytes, exactly as the strip shows them.
std::string FormatGameLine(const GameTime& time, bool hour24);
std::string FormatRealLine(const SystemTime& local, bool hour24);

}  // namespace vc
