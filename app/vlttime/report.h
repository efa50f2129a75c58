#pragma once
#include <string>
#include <vector>

#include "app/vlttime/options.h"
#include "framework/system_time.h"

namespace vc::vlttime {

// What the program shows for the moment `local`, one entry per output line, without newlines:
// the single JSON object with --json, else the game line, then the real and next lines asked
// for, in UTF-8 or, with --sjis, CP932.
std::vector<std::string> Report(const Options& options, const SystemTime& local);

}  // namespace vc::vlttime
