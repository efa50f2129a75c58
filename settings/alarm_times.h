#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vc {

// Game times of day for alarms, in minutes from 00:00, as the settings file lists them:
// "HH:MM[,HH:MM…]".
struct GameTimesOfDay {
    std::vector<std::int32_t> minutes;

    friend bool operator==(const GameTimesOfDay&, const GameTimesOfDay&) = default;
};

inline constexpr std::size_t kMaxAlarmTimes = 8;

// An entry of the list that is not taken, as written, and why.
struct IgnoredAlarmTime {
    std::string entry;
    std::string reason;

    friend bool operator==(const IgnoredAlarmTime&, const IgnoredAlarmTime&) = default;
};

struct AlarmTimesRead {
    GameTimesOfDay taken;
    std::vector<IgnoredAlarmTime> ignored;
};

// Each entry on its own: blanks around it are dropped; an hour of one or two digits and two
// digits of minutes, 00:00 to 23:59. An invalid entry, a repeated one and any past the
// eighth taken are ignored, the others taken in their order.
AlarmTimesRead ReadAlarmTimes(std::string_view text);

// "HH:MM"
std::string FormatGameMinute(std::int32_t minuteOfDay);
// The taken list as the file would hold it, e.g. "06:00,12:00".
std::string WriteAlarmTimes(const GameTimesOfDay& times);

}  // namespace vc
