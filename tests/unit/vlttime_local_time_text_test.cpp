#include <gtest/gtest.h>

#include "app/vlttime/local_time_text.h"
#include "tests/support/local_time_fixture.h"

namespace vc::vlttime {
namespace {

using test::Local;

struct ValidCase {
    const char* text;
    SystemTime time;
};

class ValidLocalTime : public testing::TestWithParam<ValidCase> {};

TEST_P(ValidLocalTime, ParsesWithItsWeekday) {
    const LocalTimeParse parse = ParseLocalTime(GetParam().text);
    EXPECT_EQ(parse.problem, "");
    EXPECT_EQ(parse.time, GetParam().time);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ValidLocalTime,
    testing::Values(ValidCase{"2026-03-01 00:00:00", Local(3, 1, 0, 0, 0, 0, 0)},
                    ValidCase{"2026-12-08 21:33:42", Local(12, 8, 21, 33, 42, 0, 2)},
                    ValidCase{"2026-12-08 21:33:42.007", Local(12, 8, 21, 33, 42, 7, 2)},
                    ValidCase{"2000-01-01 23:59:59.999", Local(1, 1, 23, 59, 59, 999, 6, 2000)},
                    ValidCase{"2024-02-29 12:00:00.000", Local(2, 29, 12, 0, 0, 0, 4, 2024)},
                    ValidCase{"1601-01-01 00:00:00", Local(1, 1, 0, 0, 0, 0, 1, 1601)},
                    ValidCase{"9999-12-31 23:59:59.999", Local(12, 31, 23, 59, 59, 999, 5, 9999)}));

struct InvalidCase {
    const char* text;
    const char* problem;
};

class InvalidLocalTime : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidLocalTime, SaysWhatIsWrong) {
    EXPECT_EQ(ParseLocalTime(GetParam().text).problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, InvalidLocalTime,
    testing::Values(InvalidCase{"2026-02-30 10:00:00", "no day 30 in 2026-02"},
                    InvalidCase{"2023-02-29 10:00:00", "no day 29 in 2023-02"},
                    InvalidCase{"2026-04-31 10:00:00", "no day 31 in 2026-04"},
                    InvalidCase{"2026-03-00 10:00:00", "no day 00 in 2026-03"},
                    InvalidCase{"2026-13-01 00:00:00", "no month 13"},
                    InvalidCase{"2026-00-01 00:00:00", "no month 00"},
                    InvalidCase{"2026-03-01 25:00:00", "no hour 25"},
                    InvalidCase{"2026-03-01 24:00:00", "no hour 24"},
                    InvalidCase{"2026-03-01 12:60:00", "no minute 60"},
                    InvalidCase{"2026-03-01 12:00:60", "no second 60"},
                    InvalidCase{"1600-12-31 23:59:59", "year 1600 is outside 1601..9999"},
                    InvalidCase{"25:00:00", "year must be 4 digits"},
                    InvalidCase{"2026-1-01 00:00:00", "month must be 2 digits"},
                    InvalidCase{"2026-03-1 00:00:00", "day must be 2 digits"},
                    InvalidCase{"2026-03-01 0:00:00", "hour must be 2 digits"},
                    InvalidCase{"2026-03-01 00:00:000", "second must be 2 digits"},
                    InvalidCase{"20260-03-01 00:00:00", "year must be 4 digits"},
                    InvalidCase{"2026/03/01 00:00:00", "expected '-' before the month"},
                    InvalidCase{"2026-03-01T00:00:00", "expected ' ' before the hour"},
                    InvalidCase{"2026-03-01  00:00:00", "hour must be 2 digits"},
                    InvalidCase{"2026-03-01 00.00.00", "expected ':' before the minute"},
                    InvalidCase{"2026-03-01 00:00", "expected ':' before the second"},
                    InvalidCase{"2026-03-01 00:00:00.5", "milliseconds must be 3 digits"},
                    InvalidCase{"2026-03-01 00:00:00.1234", "milliseconds must be 3 digits"},
                    InvalidCase{"2026-03-01 00:00:00.", "milliseconds must be 3 digits"},
                    InvalidCase{"2026-03-01 00:00:00 ", "unexpected text after the time"},
                    InvalidCase{"2026-03-01 00:00:00Z", "unexpected text after the time"},
                    InvalidCase{"2026-03-01 00:00:00.000x", "unexpected text after the time"},
                    InvalidCase{" 2026-03-01 00:00:00", "year must be 4 digits"},
                    InvalidCase{"+026-03-01 00:00:00", "year must be 4 digits"},
                    InvalidCase{"", "year must be 4 digits"}));

TEST(LocalTimeText, FormatsWithMilliseconds) {
    EXPECT_EQ(FormatLocalTime(Local(1, 1, 0, 37, 54, 0, 0, 2027)), "2027-01-01 00:37:54.000");
    EXPECT_EQ(FormatLocalTime(Local(12, 8, 21, 3, 4, 5, 0, 1601)), "1601-12-08 21:03:04.005");
}

TEST(LocalTimeText, FormatsDurationsAsHoursMinutesSecondsMs) {
    const struct {
        std::int64_t ms;
        const char* text;
    } cases[] = {{1, "0:00:00.001"},
                 {2'274'000, "0:37:54.000"},
                 {10'800'000, "3:00:00.000"},
                 {8'573'999, "2:22:53.999"},
                 {36'000'000, "10:00:00.000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDuration(c.ms), c.text);
    }
}

}  // namespace
}  // namespace vc::vlttime
