#include "clock/game_time.h"

#include <gtest/gtest.h>

#include "tests/support/local_time_fixture.h"

namespace vc {
namespace {

using test::Local;

struct CalendarCase {
    SystemTime local;
    GameTime game;
    bool night;
};

class GameCalendar : public testing::TestWithParam<CalendarCase> {};

TEST_P(GameCalendar, TurnsLocalTimeIntoGameTimeAndDayNight) {
    const CalendarCase& c = GetParam();
    const GameTime got = CalcGameTime(c.local);
    EXPECT_EQ(got, c.game) << got.Month << "/" << got.Day << " " << got.Hour << ":" << got.Minute
                           << ":" << got.Second;
    EXPECT_EQ(IsGameNight(got), c.night);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GameCalendar,
    testing::Values(
        // Block start: the clock stands 24 real seconds behind, on the new game day.
        CalendarCase{Local(3, 1, 0, 0, 0, 0), {3, 8, 23, 56, 48}, true},
        CalendarCase{Local(3, 1, 0, 0, 23, 999), {3, 8, 23, 59, 59}, true},
        CalendarCase{Local(3, 1, 0, 0, 24, 0), {3, 8, 0, 0, 0}, true},
        CalendarCase{Local(3, 1, 2, 59, 59, 999), {3, 8, 23, 56, 47}, true},
        CalendarCase{Local(3, 1, 3, 0, 24, 0), {3, 9, 0, 0, 0}, true},
        CalendarCase{Local(12, 15, 12, 34, 56, 789), {12, 124, 4, 36, 22}, true},
        CalendarCase{Local(6, 10, 1, 2, 3, 0), {6, 80, 8, 13, 12}, false},
        CalendarCase{Local(6, 10, 2, 22, 54, 0), {6, 80, 19, 0, 0}, true},
        CalendarCase{Local(1, 31, 23, 59, 59, 999), {1, 255, 23, 56, 47}, true},
        // Dawn and dusk in real time: 37 min 54 s and 2 h 22 min 54 s into a block.
        CalendarCase{Local(6, 10, 0, 37, 53, 999), {6, 80, 4, 59, 59}, true},
        CalendarCase{Local(6, 10, 0, 37, 54, 0), {6, 80, 5, 0, 0}, false},
        CalendarCase{Local(6, 10, 2, 22, 53, 999), {6, 80, 18, 59, 59}, false}));

TEST(GameCalendar, EveryBlockStartsAndEndsOnItsOwnGameDay) {
    for (int hour = 0; hour < 24; hour += 3) {
        const int day = 17 * 8 + hour / 3;
        SCOPED_TRACE(hour);
        EXPECT_EQ(CalcGameTime(Local(7, 17, hour, 0, 0, 0)), (GameTime{7, day, 23, 56, 48}));
        EXPECT_EQ(CalcGameTime(Local(7, 17, hour + 2, 59, 59, 999)),
                  (GameTime{7, day, 23, 56, 47}));
    }
}

TEST(GameCalendar, DayNumbersRunFrom8To255) {
    EXPECT_EQ(CalcGameTime(Local(1, 1, 0, 0, 0)).Day, 8);
    EXPECT_EQ(CalcGameTime(Local(1, 1, 5, 59, 59)).Day, 9);
    EXPECT_EQ(CalcGameTime(Local(1, 1, 6, 0, 0)).Day, 10);
    EXPECT_EQ(CalcGameTime(Local(12, 31, 21, 0, 0)).Day, 255);
}

struct NightCase {
    GameTime game;
    bool night;
};

class GameNight : public testing::TestWithParam<NightCase> {};

TEST_P(GameNight, DayRunsFrom0500To185959) {
    EXPECT_EQ(IsGameNight(GetParam().game), GetParam().night);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, GameNight,
    testing::Values(NightCase{{1, 8, 0, 0, 0}, true}, NightCase{{1, 8, 4, 59, 59}, true},
                    NightCase{{1, 8, 5, 0, 0}, false}, NightCase{{1, 8, 12, 0, 0}, false},
                    NightCase{{1, 8, 18, 59, 59}, false}, NightCase{{1, 8, 19, 0, 0}, true},
                    NightCase{{1, 8, 23, 59, 59}, true}));

// Every millisecond of one real block: the game clock runs 8 ms per ms and wraps once.
TEST(GameCalendar, SweepOfABlockKeepsTheInvariants) {
    int wraps = 0;
    std::int32_t previous = -1;
    for (std::int32_t r = 0; r < kMsPerBlock; ++r) {
        const SystemTime local =
            Local(5, 20, 9 + r / 3'600'000, (r / 60'000) % 60, (r / 1'000) % 60, r % 1'000);
        ASSERT_EQ(MsIntoBlock(local), r);
        const std::int32_t g = GameMsOfDay(local);
        const GameTime t = CalcGameTime(local);
        ASSERT_LE(t.Hour, 23);
        ASSERT_EQ(t.Day, 20 * 8 + 3);
        ASSERT_EQ(t.Hour * 3'600'000 + t.Minute * 60'000 + t.Second * 1'000, g - g % 1'000) << r;
        if (previous >= 0 && g != previous + kGameSpeed) {
            ++wraps;
            ASSERT_EQ(r, 24'000);
            ASSERT_EQ(g, 0);
            ASSERT_EQ(previous, kMsPerGameDay - kGameSpeed);
        }
        previous = g;
    }
    EXPECT_EQ(wraps, 1);
}

TEST(GameCalendar, ReadsTheLocalClockThroughThePlatform) {
    const SetClock clock(test::Local(12, 15, 12, 34, 56, 789));
    EXPECT_EQ(CalcGameTime(clock), (GameTime{12, 124, 4, 36, 22}));
}

}  // namespace
}  // namespace vc
