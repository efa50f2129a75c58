#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/vlttime/environment.h"
#include "framework/seam/desktop.h"
#include "framework/seam/shell.h"

namespace vc::vlttime {

inline constexpr std::string_view kSettingsCommand = "settings";

// One line per key in load order, as the clock would take it: "Section.Key=VALUE" in the
// encoding the clock writes, with a note where the stored text is not used or a folder name
// looks saved as UTF-8.
std::vector<std::string> DescribeSettings(const std::string& path, const Shell& shell);

// `vlttime settings FILE.ini`: `args` follows the word "settings"; returns the exit status.
int RunSettings(std::span<const std::string_view> args, const Environment& env);

}  // namespace vc::vlttime
