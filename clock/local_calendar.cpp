#include "clock/local_calendar.h"

namespace vc {
namespace {

constexpr int kDaysPerEra = 146'097;  // 400 Gregorian years
constexpr int kThursday = 4;          // 1970-01-01

// Floor division, so that days before 1970 fall into the right era and weekday.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

}  // namespace

bool IsLeapYear(int year) noexcept {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) noexcept {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Counting years from March puts the leap day last, after H. Hinnant's days_from_civil.
std::int64_t DaysFromCivil(const CivilDate& date) noexcept {
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = (date.month + 9) % 12;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - 719'468;
}

CivilDate CivilFromDays(std::int64_t days) noexcept {
    const std::int64_t shifted = days + 719'468;
    const std::int64_t era = FloorDiv(shifted, kDaysPerEra);
    const std::int64_t dayOfEra = shifted - era * kDaysPerEra;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1'460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

int DayOfWeek(const CivilDate& date) noexcept {
    return static_cast<int>(FloorMod(DaysFromCivil(date) + kThursday, 7));
}

std::int64_t WallClockMs(const SystemTime& local) noexcept {
    const std::int64_t days = DaysFromCivil({local.wYear, local.wMonth, local.wDay});
    const std::int64_t msOfDay = local.wHour * 3'600'000LL + local.wMinute * 60'000LL +
                                 local.wSecond * 1'000LL + local.wMilliseconds;
    return days * kMsPerDay + msOfDay;
}

SystemTime FromWallClockMs(std::int64_t ms) noexcept {
    const std::int64_t days = FloorDiv(ms, kMsPerDay);
    const std::int64_t msOfDay = ms - days * kMsPerDay;
    const CivilDate date = CivilFromDays(days);
    const auto u16 = [](std::int64_t v) { return static_cast<std::uint16_t>(v); };
    SystemTime t;
    t.wYear = u16(date.year);
    t.wMonth = u16(date.month);
    t.wDayOfWeek = u16(DayOfWeek(date));
    t.wDay = u16(date.day);
    t.wHour = u16(msOfDay / 3'600'000);
    t.wMinute = u16(msOfDay / 60'000 % 60);
    t.wSecond = u16(msOfDay / 1'000 % 60);
    t.wMilliseconds = u16(msOfDay % 1'000);
    return t;
}

}  // namespace vc
