#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/vlttime/run.h"
#include "app/vlttime/watch.h"
#include "tests/support/local_time_fixture.h"

namespace vc::vlttime {
namespace {

// Hands out the scripted readings in order; the watch stops once all are read.
class ScriptedClock final : public LocalClock {
  public:
    explicit ScriptedClock(std::vector<SystemTime> readings) : readings_(std::move(readings)) {}
    SystemTime Now() const override { return readings_.at(next_++); }
    bool Exhausted() const { return next_ == readings_.size(); }

  private:
    std::vector<SystemTime> readings_;
    mutable std::size_t next_ = 0;
};

class RecordingSleeper final : public Sleeper {
  public:
    void SleepMs(int ms) override { sleeps.push_back(ms); }
    std::vector<int> sleeps;
};

struct WatchRun {
    std::string out;
    std::vector<int> sleeps;
    int status;
};

WatchRun RunWatch(std::vector<std::string_view> args, std::vector<SystemTime> readings) {
    ScriptedClock clock(std::move(readings));
    RecordingSleeper sleeper;
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        Run(args, {clock, sleeper, out, err, [&clock] { return clock.Exhausted(); }});
    EXPECT_EQ(err.str(), "");
    return {out.str(), sleeper.sleeps, status};
}

SystemTime Ms(int second, int ms) {
    return test::Local(3, 1, 0, 0, second, ms);
}

struct WatchCase {
    const char* name;
    std::vector<std::string_view> args;
    std::vector<SystemTime> readings;
    std::string out;
    std::vector<int> sleeps;
};

class Watching : public testing::TestWithParam<WatchCase> {};

TEST_P(Watching, RewritesOnlyWhenTheGameSecondChanges) {
    const WatchCase& c = GetParam();
    const WatchRun run = RunWatch(c.args, c.readings);
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.sleeps, c.sleeps);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, Watching,
    testing::Values(
        WatchCase{"OneLine",
                  {"--watch"},
                  {Ms(0, 0), Ms(0, 60), Ms(0, 125), Ms(0, 130), Ms(1, 0)},
                  "555年03月008日  23:56:48"
                  "\r\x1b[K555年03月008日  23:56:49"
                  "\r\x1b[K555年03月008日  23:56:56"
                  "\r\x1b[K555年03月008日  23:56:56\n",
                  {125, 65, 125, 120, 125}},
        WatchCase{"StoppedAtOnce",
                  {"--watch", "--12h"},
                  {Ms(0, 1)},
                  "555年03月008日 pm11:56:48"
                  "\r\x1b[K555年03月008日 pm11:56:48\n",
                  {124}},
        WatchCase{"TwoLines",
                  {"--watch", "--real"},
                  {Ms(0, 999), Ms(1, 0), Ms(1, 124)},
                  "555年03月008日  23:56:55\n03月01日(日) 00:00:00"
                  "\r\x1b[1A\x1b[K555年03月008日  23:56:56\n\x1b[K03月01日(日) 00:00:01"
                  "\r\x1b[1A\x1b[K555年03月008日  23:56:56\n\x1b[K03月01日(日) 00:00:01\n",
                  {1, 125, 1}},
        WatchCase{"JsonLines",
                  {"--watch", "--json"},
                  {Ms(0, 0), Ms(0, 124), Ms(0, 125)},
                  R"({"month":3,"day":8,"hour":23,"minute":56,"second":48,"night":true,)"
                  R"("game_line":"555年03月008日  23:56:48","real_line":"03月01日(日) 00:00:00"})"
                  "\n"
                  R"({"month":3,"day":8,"hour":23,"minute":56,"second":49,"night":true,)"
                  R"("game_line":"555年03月008日  23:56:49","real_line":"03月01日(日) 00:00:00"})"
                  "\n",
                  {125, 1, 125}}),
    [](const testing::TestParamInfo<WatchCase>& row) { return row.param.name; });

// A clock set back by exactly one game minute still shows a new time.
TEST(Watching, RewritesWhenOnlyTheGameMinuteDiffers) {
    const WatchRun run = RunWatch({"--watch"}, {Ms(7, 500), Ms(0, 0)});
    EXPECT_EQ(run.out,
              "555年03月008日  23:57:48"
              "\r\x1b[K555年03月008日  23:56:48"
              "\r\x1b[K555年03月008日  23:56:48\n");
}

}  // namespace
}  // namespace vc::vlttime
