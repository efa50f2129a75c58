#include "clock/local_calendar.h"

#include <gtest/gtest.h>

#include "tests/support/local_time_fixture.h"

namespace vc {
namespace {

TEST(LocalCalendar, LeapYearsFollowTheGregorianRule) {
    const struct {
        int year;
        bool leap;
    } cases[] = {{1601, false}, {1900, false}, {2000, true}, {2023, false},
                 {2024, true},  {2100, false}, {2400, true}, {9996, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
    }
}

TEST(LocalCalendar, MonthLengths) {
    const struct {
        int year;
        int month;
        int days;
    } cases[] = {{2026, 1, 31}, {2026, 2, 28},  {2024, 2, 29}, {1900, 2, 28},
                 {2000, 2, 29}, {2026, 4, 30},  {2026, 6, 30}, {2026, 7, 31},
                 {2026, 9, 30}, {2026, 12, 31}, {2026, 0, 0},  {2026, 13, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
    }
}

TEST(LocalCalendar, KnownDatesHaveTheirDayNumberAndWeekday) {
    const struct {
        CivilDate date;
        std::int64_t days;
        int weekday;
    } cases[] = {
        {{1970, 1, 1}, 0, 4},       {{2000, 1, 1}, 10'957, 6},      {{2026, 3, 1}, 20'513, 0},
        {{2026, 12, 8}, 20'795, 2}, {{1601, 1, 1}, -134'774, 1},    {{1969, 12, 31}, -1, 3},
        {{2024, 2, 29}, 19'782, 4}, {{9999, 12, 31}, 2'932'896, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.year << "-" << c.date.month << "-" << c.date.day);
        EXPECT_EQ(DaysFromCivil(c.date), c.days);
        EXPECT_EQ(CivilFromDays(c.days), c.date);
        EXPECT_EQ(DayOfWeek(c.date), c.weekday);
    }
}

// Every day of the supported years, in order: each follows the previous one by one day.
TEST(LocalCalendar, DayNumbersRunWithoutGapsFrom1601To9999) {
    CivilDate expected{1601, 1, 1};
    const std::int64_t first = DaysFromCivil(expected);
    const std::int64_t last = DaysFromCivil({9999, 12, 31});
    for (std::int64_t days = first; days <= last; ++days) {
        const CivilDate date = CivilFromDays(days);
        ASSERT_EQ(date, expected) << days;
        ASSERT_EQ(DaysFromCivil(date), days);
        ASSERT_EQ(DayOfWeek(date), (DayOfWeek({1601, 1, 1}) + days - first) % 7);
        const bool monthEnds = expected.day == DaysInMonth(expected.year, expected.month);
        const bool yearEnds = monthEnds && expected.month == 12;
        expected.day = monthEnds ? 1 : expected.day + 1;
        expected.month = yearEnds ? 1 : expected.month + (monthEnds ? 1 : 0);
        expected.year += yearEnds ? 1 : 0;
    }
}

TEST(LocalCalendar, WallClockMillisecondsRoundTripWithTheWeekday) {
    const SystemTime cases[] = {
        test::Local(3, 1, 0, 0, 0, 0, 0, 2026),
        test::Local(12, 31, 23, 59, 59, 999, 4, 2026),
        test::Local(2, 29, 12, 34, 56, 789, 4, 2024),
        test::Local(1, 1, 0, 0, 0, 0, 1, 1601),
        test::Local(12, 31, 23, 59, 59, 999, 5, 9999),
    };
    for (const SystemTime& local : cases) {
        EXPECT_EQ(FromWallClockMs(WallClockMs(local)), local) << WallClockMs(local);
    }
    EXPECT_EQ(WallClockMs(test::Local(1, 1, 0, 0, 0, 0, 4, 1970)), 0);
    EXPECT_EQ(WallClockMs(test::Local(1, 1, 0, 0, 0, 1, 4, 1970)) -
                  WallClockMs(test::Local(12, 31, 23, 59, 59, 999, 3, 1969)),
              2);
}

}  // namespace
}  // namespace vc
