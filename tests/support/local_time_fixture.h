#pragma once
#include "framework/system_time.h"

namespace vc::test {

// A local time for table rows; the year and weekday do not enter the game calendar.
inline SystemTime Local(int month, int day, int hour, int minute, int second, int ms = 0,
                        int dayOfWeek = 0, int year = 2026) {
    SystemTime t;
    t.wYear = static_cast<std::uint16_t>(year);
    t.wMonth = static_cast<std::uint16_t>(month);
    t.wDayOfWeek = static_cast<std::uint16_t>(dayOfWeek);
    t.wDay = static_cast<std::uint16_t>(day);
    t.wHour = static_cast<std::uint16_t>(hour);
    t.wMinute = static_cast<std::uint16_t>(minute);
    t.wSecond = static_cast<std::uint16_t>(second);
    t.wMilliseconds = static_cast<std::uint16_t>(ms);
    return t;
}

}  // namespace vc::test
