#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/vlttime/environment.h"
#include "framework/system_time.h"

namespace vc::vlttime {

inline constexpr std::string_view kAlarmsCommand = "alarms";

// The next occurrence of every alert the settings file switches on (dusk, dawn, each alarm
// time), soonest first, one line each: the game time, when it comes and when it is told. With
// `json`, one JSON object per line instead.
std::vector<std::string> DescribeAlarms(const std::string& path, const SystemTime& now, bool json);

// `vlttime alarms FILE.ini [--at TIME] [--json]`: `args` follows the word "alarms"; returns the
// exit status.
int RunAlarms(std::span<const std::string_view> args, const Environment& env);

}  // namespace vc::vlttime
