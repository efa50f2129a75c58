#include <gtest/gtest.h>

#include <vector>

#include "app/vlttime/options.h"
#include "tests/support/local_time_fixture.h"

namespace vc::vlttime {
namespace {

using test::Local;

OptionsParse Parse(std::vector<std::string_view> args) {
    return ParseOptions(args);
}

Options With(void (*change)(Options&)) {
    Options options;
    change(options);
    return options;
}

struct AcceptedCase {
    std::vector<std::string_view> args;
    Options options;
};

class AcceptedOptions : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedOptions, SetTheirFields) {
    const OptionsParse parse = Parse(GetParam().args);
    EXPECT_EQ(parse.error, "");
    EXPECT_TRUE(parse.options == GetParam().options);
}

const SystemTime kMarch1 = Local(3, 1, 0, 0, 0, 0, 0);
const SystemTime kDec8 = Local(12, 8, 21, 33, 42, 250, 2);

INSTANTIATE_TEST_SUITE_P(
    Examples, AcceptedOptions,
    testing::Values(
        AcceptedCase{{}, Options{}},
        AcceptedCase{{"--12h"}, With([](Options& o) { o.hour24 = false; })},
        AcceptedCase{{"--real", "--next"}, With([](Options& o) { o.real = o.next = true; })},
        AcceptedCase{{"--json", "--next", "--12h"}, With([](Options& o) {
                         o.json = o.next = true;
                         o.hour24 = false;
                     })},
        AcceptedCase{{"--sjis", "--real"}, With([](Options& o) { o.sjis = o.real = true; })},
        AcceptedCase{{"--watch", "--json"}, With([](Options& o) { o.watch = o.json = true; })},
        AcceptedCase{{"--at", "2026-03-01 00:00:00"}, With([](Options& o) { o.at = kMarch1; })},
        AcceptedCase{{"--at=2026-12-08 21:33:42.250", "--real"}, With([](Options& o) {
                         o.at = kDec8;
                         o.real = true;
                     })},
        AcceptedCase{{"-h"}, With([](Options& o) { o.help = true; })},
        // Help stops reading, so nothing after it can be an error.
        AcceptedCase{{"--real", "--help", "--bogus"},
                     With([](Options& o) { o.real = o.help = true; })}));

struct RejectedCase {
    std::vector<std::string_view> args;
    const char* error;
};

class RejectedOptions : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedOptions, NameTheArgumentAndWhatIsExpected) {
    EXPECT_EQ(Parse(GetParam().args).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RejectedOptions,
    testing::Values(
        RejectedCase{{"--at", "2026-02-30 10:00:00"},
                     R"(--at "2026-02-30 10:00:00": no day 30 in 2026-02; )"
                     R"(expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--at=2026-13-01 00:00:00"},
                     R"(--at "2026-13-01 00:00:00": no month 13; )"
                     R"(expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--at", "25:00:00"},
                     R"(--at "25:00:00": year must be 4 digits; )"
                     R"(expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--at", "2026-03-01 00:00:00x"},
                     R"(--at "2026-03-01 00:00:00x": unexpected text after the time; )"
                     R"(expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--at="},
                     R"(--at "": year must be 4 digits; )"
                     R"(expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--at"}, R"(--at: missing value; expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--at", "--real"},
                     R"(--at: missing value; expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--at", "2026-03-01 00:00:00", "--at", "2026-03-02 00:00:00"},
                     R"(--at "2026-03-02 00:00:00": --at given twice; expected one time)"},
        RejectedCase{{"--bogus"},
                     R"("--bogus": unknown option; expected one of --at, --12h, )"
                     R"(--real, --next, --json, --sjis, --watch, -h, --help)"},
        RejectedCase{{"now"},
                     R"("now": unknown option; expected one of --at, --12h, )"
                     R"(--real, --next, --json, --sjis, --watch, -h, --help)"},
        RejectedCase{{"--real=yes\n"},
                     R"("--real=yes\n": unknown option; expected one of --at, --12h, )"
                     R"(--real, --next, --json, --sjis, --watch, -h, --help)"},
        RejectedCase{{"--json", "--sjis"},
                     "--sjis with --json: JSON is always UTF-8; expected one of them, not both"},
        RejectedCase{{"--watch", "--at", "2026-03-01 00:00:00"},
                     "--watch with --at: --watch follows the clock, --at fixes the time; "
                     "expected one of them, not both"}));

}  // namespace
}  // namespace vc::vlttime
