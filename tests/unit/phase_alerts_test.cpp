#include "clock/phase_alerts.h"

#include <gtest/gtest.h>

#include <vector>

#include "clock/local_calendar.h"
#include "tests/support/local_time_fixture.h"

namespace vc {
namespace {

using test::Local;

// Dusk comes at hh:22:54 and dawn at hh:37:54 of every third real hour (02:22:54, 05:22:54 …;
// 00:37:54, 03:37:54 …).
SystemTime At(int hour, int minute, int second, int ms = 0, int day = 1, int month = 3,
              int year = 2026) {
    return FromWallClockMs(WallClockMs(Local(month, day, hour, minute, second, ms, 0, year)));
}

struct Tick {
    SystemTime now;
    std::vector<PhaseAlertDue> due;  // in the order Next gives them at this tick
};

struct AlertCase {
    const char* what;
    bool dusk;
    bool dawn;
    std::int32_t leadSeconds;
    std::vector<Tick> ticks;
};

constexpr PhaseAlertDue Dusk(std::int64_t msAway) {
    return {GamePhase::Dusk, msAway};
}
constexpr PhaseAlertDue Dawn(std::int64_t msAway) {
    return {GamePhase::Dawn, msAway};
}

class PhaseAlertTicks : public testing::TestWithParam<AlertCase> {};

TEST_P(PhaseAlertTicks, TellEachOccurrenceOnceAtItsLead) {
    const AlertCase& c = GetParam();
    PhaseAlerts alerts(c.dusk, c.dawn, c.leadSeconds);
    for (std::size_t i = 0; i < c.ticks.size(); ++i) {
        std::vector<PhaseAlertDue> told;
        while (const auto due = alerts.Next(c.ticks[i].now)) {
            told.push_back(*due);
        }
        EXPECT_EQ(told, c.ticks[i].due) << c.what << ", tick " << i;
    }
}

const AlertCase kCases[] = {
    {"lead 60: a minute before, once",
     true,
     false,
     60,
     {{At(2, 21, 53, 999), {}},
      {At(2, 21, 54), {Dusk(60'000)}},
      {At(2, 21, 55), {}},
      {At(2, 22, 54), {}},
      {At(2, 23, 0), {}},
      {At(5, 21, 54), {Dusk(60'000)}}}},
    {"lead 0: at the moment",
     true,
     false,
     0,
     {{At(2, 22, 53, 999), {}}, {At(2, 22, 54), {Dusk(0)}}, {At(2, 22, 54, 1), {}}}},
    {"lead 3600: an hour before",
     true,
     false,
     3600,
     {{At(1, 22, 53, 999), {}}, {At(1, 22, 54), {Dusk(3'600'000)}}, {At(2, 0, 0), {}}}},
    {"started inside the lead window: at once",
     true,
     false,
     60,
     {{At(2, 22, 30), {Dusk(24'000)}}, {At(2, 22, 31), {}}}},
    {"a tick just late still tells it; one past the grace does not",
     true,
     true,
     0,
     {{At(2, 22, 55, 500), {Dusk(-1'500)}}, {At(3, 37, 56, 1), {}}, {At(5, 22, 54), {Dusk(0)}}}},
    {"clock set back over the moment: not again",
     true,
     false,
     60,
     {{At(2, 21, 54), {Dusk(60'000)}},
      {At(2, 22, 55), {}},
      {At(2, 21, 0), {}},
      {At(2, 21, 54), {}},
      {At(2, 22, 54), {}},
      {At(5, 21, 54), {Dusk(60'000)}}}},
    {"clock set back over two told occurrences: neither again",
     true,
     false,
     60,
     {{At(2, 21, 54), {Dusk(60'000)}},
      {At(5, 21, 54), {Dusk(60'000)}},
      {At(2, 22, 0), {}},
      {At(5, 21, 54), {}},
      {At(8, 21, 54), {Dusk(60'000)}}}},
    {"clock set back more than a game day: a new round",
     true,
     false,
     60,
     {{At(8, 21, 54), {Dusk(60'000)}}, {At(2, 21, 54), {Dusk(60'000)}}}},
    {"clock set forward past the moment: skipped, the next still told",
     true,
     false,
     60,
     {{At(2, 0, 0), {}},
      {At(2, 23, 30), {}},
      {At(5, 21, 53), {}},
      {At(5, 21, 54), {Dusk(60'000)}}}},
    {"clock set forward into the lead window: told at once",
     true,
     false,
     600,
     {{At(2, 0, 0), {}}, {At(2, 20, 0), {Dusk(174'000)}}}},
    {"dawn across midnight and the year",
     false,
     true,
     3600,
     {{At(23, 37, 53, 0, 31, 12), {}},
      {At(23, 37, 54, 0, 31, 12), {Dawn(3'600'000)}},
      {At(0, 37, 54, 0, 1, 1, 2027), {}},
      {At(2, 37, 54, 0, 1, 1, 2027), {Dawn(3'600'000)}}}},
    {"dusk late in the day",
     true,
     false,
     60,
     {{At(23, 21, 54, 0, 28, 2), {Dusk(60'000)}}, {At(0, 0, 0, 0, 1, 3), {}}}},
    {"both due in one tick: dusk first",
     true,
     true,
     10'800,
     {{At(2, 0, 0), {Dusk(1'374'000), Dawn(5'874'000)}}, {At(2, 10, 0), {}}}},
    {"dusk only: no dawn", true, false, 60, {{At(0, 36, 54), {}}, {At(0, 37, 54), {}}}},
    {"both off: nothing", false, false, 60, {{At(2, 21, 54), {}}, {At(0, 36, 54), {}}}},
};

INSTANTIATE_TEST_SUITE_P(Table, PhaseAlertTicks, testing::ValuesIn(kCases));

TEST(PhaseAlerts, AreOnWhenEitherPhaseIs) {
    EXPECT_FALSE(PhaseAlerts().AnyOn());
    EXPECT_FALSE(PhaseAlerts(false, false, 60).AnyOn());
    EXPECT_TRUE(PhaseAlerts(true, false, 60).AnyOn());
    EXPECT_TRUE(PhaseAlerts(false, true, 0).AnyOn());
}

}  // namespace
}  // namespace vc
