#pragma once
#include <cstdint>

#include "framework/system_time.h"

namespace vc {

// Proleptic Gregorian calendar of the local wall clock. Every day counts 24 hours:
// daylight-saving jumps are not modelled.

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

inline constexpr std::int64_t kMsPerDay = 86'400'000;

bool IsLeapYear(int year) noexcept;
int DaysInMonth(int year, int month) noexcept;

// Days since 1970-01-01 (negative before it).
std::int64_t DaysFromCivil(const CivilDate& date) noexcept;
CivilDate CivilFromDays(std::int64_t days) noexcept;
// 0 = Sunday, as in SystemTime::wDayOfWeek.
int DayOfWeek(const CivilDate& date) noexcept;

// Milliseconds since 1970-01-01 00:00:00.000 on the wall clock; wDayOfWeek is not read.
std::int64_t WallClockMs(const SystemTime& local) noexcept;
// The inverse, with wDayOfWeek filled in.
SystemTime FromWallClockMs(std::int64_t ms) noexcept;

}  // namespace vc
