#include "clock/game_phases.h"

#include <gtest/gtest.h>

#include "clock/local_calendar.h"
#include "tests/support/local_time_fixture.h"

namespace vc {
namespace {

using test::Local;

SystemTime At(int year, int month, int day, int hour, int minute, int second, int ms = 0) {
    return FromWallClockMs(WallClockMs(Local(month, day, hour, minute, second, ms, 0, year)));
}

struct NextPhaseCase {
    const char* what;
    SystemTime now;
    SystemTime dawn;
    std::int64_t msToDawn;
    SystemTime dusk;
    std::int64_t msToDusk;
};

class NextPhases : public testing::TestWithParam<NextPhaseCase> {};

TEST_P(NextPhases, StartStrictlyLaterOnTheWallClock) {
    const NextPhaseCase& c = GetParam();
    EXPECT_EQ(NextGameDawn(c.now), (PhaseStart{c.dawn, c.msToDawn}));
    EXPECT_EQ(NextGameDusk(c.now), (PhaseStart{c.dusk, c.msToDusk}));
}

constexpr std::int64_t kMin = 60'000;
constexpr std::int64_t kHour = 60 * kMin;

INSTANTIATE_TEST_SUITE_P(
    Moments, NextPhases,
    testing::Values(
        NextPhaseCase{"BlockStart", At(2026, 3, 1, 0, 0, 0), At(2026, 3, 1, 0, 37, 54),
                      37 * kMin + 54'000, At(2026, 3, 1, 2, 22, 54),
                      2 * kHour + 22 * kMin + 54'000},
        NextPhaseCase{"FirstSecondsBeforeGameMidnight", At(2026, 3, 1, 3, 0, 10, 500),
                      At(2026, 3, 1, 3, 37, 54), 37 * kMin + 43'500, At(2026, 3, 1, 5, 22, 54),
                      2 * kHour + 22 * kMin + 43'500},
        NextPhaseCase{"NightBeforeDawn", At(2026, 3, 1, 0, 37, 53, 999), At(2026, 3, 1, 0, 37, 54),
                      1, At(2026, 3, 1, 2, 22, 54), 1 * kHour + 45 * kMin + 1},
        NextPhaseCase{"ExactlyAtDawn", At(2026, 3, 1, 0, 37, 54), At(2026, 3, 1, 3, 37, 54),
                      3 * kHour, At(2026, 3, 1, 2, 22, 54), 1 * kHour + 45 * kMin},
        NextPhaseCase{"Day", At(2026, 6, 10, 13, 0, 0), At(2026, 6, 10, 15, 37, 54),
                      2 * kHour + 37 * kMin + 54'000, At(2026, 6, 10, 14, 22, 54),
                      1 * kHour + 22 * kMin + 54'000},
        NextPhaseCase{"ExactlyAtDusk", At(2026, 6, 10, 14, 22, 54), At(2026, 6, 10, 15, 37, 54),
                      1 * kHour + 15 * kMin, At(2026, 6, 10, 17, 22, 54), 3 * kHour},
        NextPhaseCase{"NightAfterDusk", At(2026, 6, 10, 20, 50, 0), At(2026, 6, 10, 21, 37, 54),
                      47 * kMin + 54'000, At(2026, 6, 10, 23, 22, 54),
                      2 * kHour + 32 * kMin + 54'000},
        NextPhaseCase{"YearEnd", At(2026, 12, 31, 23, 0, 0), At(2027, 1, 1, 0, 37, 54),
                      1 * kHour + 37 * kMin + 54'000, At(2026, 12, 31, 23, 22, 54),
                      22 * kMin + 54'000},
        NextPhaseCase{"YearEndAfterDusk", At(2026, 12, 31, 23, 30, 0), At(2027, 1, 1, 0, 37, 54),
                      1 * kHour + 7 * kMin + 54'000, At(2027, 1, 1, 2, 22, 54),
                      2 * kHour + 52 * kMin + 54'000},
        NextPhaseCase{"LeapDayEnd", At(2024, 2, 29, 23, 40, 0), At(2024, 3, 1, 0, 37, 54),
                      57 * kMin + 54'000, At(2024, 3, 1, 2, 22, 54),
                      2 * kHour + 42 * kMin + 54'000},
        NextPhaseCase{"MonthEnd", At(2023, 2, 28, 23, 40, 0), At(2023, 3, 1, 0, 37, 54),
                      57 * kMin + 54'000, At(2023, 3, 1, 2, 22, 54),
                      2 * kHour + 42 * kMin + 54'000}),
    [](const testing::TestParamInfo<NextPhaseCase>& row) { return row.param.what; });

// At each computed start the game clock reads exactly 05:00:00 or 19:00:00 and one ms earlier it
// does not; the start lies at most one block ahead, the period of the game clock. Checked from
// many moments over two days, across a month end.
TEST(NextPhases, AgreeWithTheGameCalendar) {
    const std::int64_t first = WallClockMs(Local(3, 31, 20, 0, 0));
    for (std::int64_t ms = first; ms < first + 2 * kMsPerDay; ms += 997) {
        const SystemTime now = FromWallClockMs(ms);
        const struct {
            PhaseStart start;
            std::int32_t gameMs;
        } phases[] = {{NextGameDawn(now), kGameDawnMs}, {NextGameDusk(now), kGameDuskMs}};
        for (const auto& p : phases) {
            const std::int64_t startMs = WallClockMs(p.start.at);
            ASSERT_EQ(GameMsOfDay(p.start.at), p.gameMs) << ms;
            ASSERT_NE(GameMsOfDay(FromWallClockMs(startMs - 1)), p.gameMs) << ms;
            ASSERT_EQ(startMs - ms, p.start.msAway);
            ASSERT_GT(p.start.msAway, 0);
            ASSERT_LE(p.start.msAway, kMsPerBlock);
        }
    }
}

TEST(NextGameSecond, IsAtTheNextMultipleOf125Ms) {
    const struct {
        int ms;
        int wait;
    } cases[] = {{0, 125}, {1, 124}, {124, 1}, {125, 125}, {130, 120}, {874, 1}, {999, 1}};
    for (const auto& c : cases) {
        const SystemTime now = Local(3, 1, 0, 0, 7, c.ms);
        EXPECT_EQ(RealMsToNextGameSecond(now), c.wait) << c.ms;
        const SystemTime then = FromWallClockMs(WallClockMs(now) + c.wait);
        EXPECT_NE(CalcGameTime(then), CalcGameTime(now)) << c.ms;
        EXPECT_EQ(CalcGameTime(FromWallClockMs(WallClockMs(then) - 1)), CalcGameTime(now)) << c.ms;
    }
}

}  // namespace
}  // namespace vc
