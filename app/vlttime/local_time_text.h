#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/system_time.h"

namespace vc::vlttime {

inline constexpr std::string_view kLocalTimeForm = "YYYY-MM-DD hh:mm:ss[.mmm]";

struct LocalTimeParse {
    SystemTime time;      // wDayOfWeek computed from the date
    std::string problem;  // empty when the text is a valid local time
};

// Strictly kLocalTimeForm, years 1601..9999, real calendar dates only.
LocalTimeParse ParseLocalTime(std::string_view text);

// "YYYY-MM-DD hh:mm:ss.mmm"
std::string FormatLocalTime(const SystemTime& local);
// "h:mm:ss.mmm", hours unbounded.
std::string FormatDuration(std::int64_t ms);

}  // namespace vc::vlttime
