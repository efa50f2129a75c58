#pragma once
#include "app/vlttime/environment.h"
#include "app/vlttime/options.h"

namespace vc::vlttime {

// Shows the report for the clock's time and renews it whenever the game time changes, until
// env.stopRequested(): rewritten in place on a terminal, or one JSON line per change.
void Watch(const Options& options, const Environment& env);

}  // namespace vc::vlttime
