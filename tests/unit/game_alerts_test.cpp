#include "clock/game_alerts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <utility>
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

// What a tick tells: the target's kind and game time, and how far away it is.
struct Told {
    AlertKind kind;
    std::int32_t gameMinute;
    std::int64_t msAway;

    friend bool operator==(const Told&, const Told&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Told& t) {
        return out << static_cast<int>(t.kind) << "@" << t.gameMinute << " in " << t.msAway;
    }
};

struct Tick {
    SystemTime now;
    std::vector<Told> due;  // in the order Next gives them at this tick
};

struct AlertCase {
    const char* what;
    bool dusk;
    bool dawn;
    std::int32_t leadSeconds;
    std::vector<Tick> ticks;
    std::vector<std::int32_t> at = {};
};

constexpr Told Dusk(std::int64_t msAway) {
    return {AlertKind::Dusk, 19 * 60, msAway};
}
constexpr Told Dawn(std::int64_t msAway) {
    return {AlertKind::Dawn, 5 * 60, msAway};
}
constexpr Told Alarm(int hour, int minute, std::int64_t msAway) {
    return {AlertKind::At, hour * 60 + minute, msAway};
}

class GameAlertTicks : public testing::TestWithParam<AlertCase> {};

TEST_P(GameAlertTicks, TellEachOccurrenceOnceAtItsLead) {
    const AlertCase& c = GetParam();
    GameAlerts alerts(AlertChoice{c.dusk, c.dawn, c.at, c.leadSeconds});
    for (std::size_t i = 0; i < c.ticks.size(); ++i) {
        std::vector<Told> told;
        while (const auto due = alerts.Next(c.ticks[i].now)) {
            EXPECT_EQ(due->occurrence.atMs - due->occurrence.toldMs, c.leadSeconds * 1'000LL);
            told.push_back(
                {due->occurrence.target.kind, due->occurrence.target.gameMinuteOfDay, due->msAway});
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

INSTANTIATE_TEST_SUITE_P(Table, GameAlertTicks, testing::ValuesIn(kCases));

TEST(GameAlerts, AreOnWhenAnyTargetIs) {
    const std::vector<std::int32_t> noon{12 * 60};
    EXPECT_FALSE(GameAlerts().AnyOn());
    EXPECT_FALSE(GameAlerts(AlertChoice{false, false, {}, 60}).AnyOn());
    EXPECT_TRUE(GameAlerts(AlertChoice{true, false, {}, 60}).AnyOn());
    EXPECT_TRUE(GameAlerts(AlertChoice{false, true, {}, 0}).AnyOn());
    EXPECT_TRUE(GameAlerts(AlertChoice{false, false, noon, 60}).AnyOn());
}

TEST(AlertTargets, AnAlarmAtAPhaseThatIsOnIsThePhase) {
    const std::vector<std::int32_t> at{19 * 60, 5 * 60, 12 * 60};
    using K = AlertKind;
    EXPECT_EQ(AlertTargets(AlertChoice{true, false, at, 60}),
              (std::vector<AlertTarget>{{K::Dusk, 19 * 60}, {K::At, 5 * 60}, {K::At, 12 * 60}}));
    EXPECT_EQ(AlertTargets(AlertChoice{false, false, at, 60}),
              (std::vector<AlertTarget>{{K::At, 19 * 60}, {K::At, 5 * 60}, {K::At, 12 * 60}}));
}

// Game time T comes (T + 0:03:12) / 8 into every real three-hour block: 12:00 at 1:30:24,
// 21:30 at 2:41:39, 06:00 at 0:45:24 (dusk 2:22:54, dawn 0:37:54).
TEST(UpcomingAlerts, AreTheNextOccurrencesSoonestFirst) {
    const std::vector<std::int32_t> at{12 * 60, 6 * 60, 21 * 60 + 30};
    const SystemTime now = At(3, 50, 0);
    std::vector<std::pair<std::int32_t, std::int64_t>> seen;  // game minute, ms away
    for (const AlertOccurrence& o : UpcomingAlerts(AlertChoice{true, true, at, 90}, now)) {
        seen.emplace_back(o.target.gameMinuteOfDay, o.atMs - WallClockMs(now));
        EXPECT_EQ(o.atMs - o.toldMs, 90'000);
    }
    const std::vector<std::pair<std::int32_t, std::int64_t>> expected{
        {12 * 60, 2'424'000},       // 04:30:24
        {19 * 60, 5'574'000},       // 05:22:54, dusk
        {21 * 60 + 30, 6'699'000},  // 05:41:39
        {5 * 60, 10'074'000},       // 06:37:54, dawn
        {6 * 60, 10'524'000},       // 06:45:24
    };
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace vc
