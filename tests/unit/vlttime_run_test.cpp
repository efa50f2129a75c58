#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/vlttime/run.h"
#include "app/vlttime/usage.h"
#include "tests/support/local_time_fixture.h"

namespace vc::vlttime {
namespace {

class NoSleeper final : public Sleeper {
  public:
    void SleepMs(int) override { ADD_FAILURE() << "only --watch sleeps"; }
};

struct RunCase {
    std::vector<std::string_view> args;
    int status;
    std::string out;
    std::string err;
};

class Running : public testing::TestWithParam<RunCase> {};

TEST_P(Running, PrintsAndExitsAsExpected) {
    const RunCase& c = GetParam();
    const SetClock clock(test::Local(12, 8, 21, 33, 42, 0, 2));
    NoSleeper sleeper;
    std::ostringstream out;
    std::ostringstream err;
    const int status = vlttime::Run(c.args, {clock, sleeper, out, err, [] { return true; }});
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

const std::string kExpectedTime = R"(; expected "YYYY-MM-DD hh:mm:ss[.mmm]")"
                                  "\n";

INSTANTIATE_TEST_SUITE_P(
    Examples, Running,
    testing::Values(
        RunCase{{}, kExitOk, "555年12月071日  04:26:24\n", ""},
        RunCase{{"--at", "2026-03-01 00:00:00"}, kExitOk, "555年03月008日  23:56:48\n", ""},
        RunCase{
            {"--at", "2026-03-01 00:00:00", "--12h"}, kExitOk, "555年03月008日 pm11:56:48\n", ""},
        RunCase{{"--real", "--at=2026-12-08 21:33:42"},
                kExitOk,
                "555年12月071日  04:26:24\n12月08日(火) 21:33:42\n",
                ""},
        RunCase{{"--real", "--next"},
                kExitOk,
                "555年12月071日  04:26:24\n12月08日(火) 21:33:42\n"
                "next dawn: 2026-12-08 21:37:54.000 (in 0:04:12.000)\n"
                "next dusk: 2026-12-08 23:22:54.000 (in 1:49:12.000)\n",
                ""},
        RunCase{{"--help"}, kExitOk, std::string(UsageText()), ""},
        RunCase{{"-h", "--bogus"}, kExitOk, std::string(UsageText()), ""},
        RunCase{{"--at", "2026-02-30 10:00:00"},
                kExitUsage,
                "",
                R"(vlttime: --at "2026-02-30 10:00:00": no day 30 in 2026-02)" + kExpectedTime},
        RunCase{{"--at"}, kExitUsage, "", "vlttime: --at: missing value" + kExpectedTime},
        RunCase{{"--real", "--frobnicate"},
                kExitUsage,
                "",
                R"(vlttime: "--frobnicate": unknown option; expected one of --at, --12h, )"
                "--real, --next, --json, --sjis, --watch, -h, --help\n"},
        RunCase{{"--sjis", "--json"},
                kExitUsage,
                "",
                "vlttime: --sjis with --json: JSON is always UTF-8; expected one of them, "
                "not both\n"}));

TEST(Usage, DocumentsEveryOption) {
    for (const char* option : {"--at ", "--at=", "--12h", "--real", "--next", "--json", "--sjis",
                               "--watch", "-h", "--help", "next dawn:", "next dusk:", "next_dawn",
                               "ms_to_dusk", "daylight-saving", "Exit status"}) {
        EXPECT_NE(UsageText().find(option), std::string_view::npos) << option;
    }
}

}  // namespace
}  // namespace vc::vlttime
