#pragma once
#include <span>
#include <string_view>

#include "app/vlttime/environment.h"

namespace vc::vlttime {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// The whole program: `args` excludes the program name; returns the exit status.
int Run(std::span<const std::string_view> args, const Environment& env);

}  // namespace vc::vlttime
