#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/vlttime/local_time_text.h"
#include "app/vlttime/report.h"
#include "clock/clock_lines.h"
#include "clock/game_time.h"
#include "platform/posix/cp932.h"

namespace vc::vlttime {
namespace {

using Lines = std::vector<std::string>;

SystemTime At(std::string_view text) {
    const LocalTimeParse parse = ParseLocalTime(text);
    EXPECT_EQ(parse.problem, "") << text;
    return parse.time;
}

Options Text(bool hour24, bool real, bool next) {
    Options options;
    options.hour24 = hour24;
    options.real = real;
    options.next = next;
    return options;
}

struct TextCase {
    const char* at;
    Options options;
    Lines lines;
};

class TextReport : public testing::TestWithParam<TextCase> {};

TEST_P(TextReport, ListsTheLinesAskedFor) {
    EXPECT_EQ(Report(GetParam().options, At(GetParam().at)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TextReport,
    testing::Values(
        TextCase{"2026-03-01 00:00:00", Text(true, false, false), {"555年03月008日  23:56:48"}},
        TextCase{"2026-03-01 00:00:00", Text(false, false, false), {"555年03月008日 pm11:56:48"}},
        TextCase{"2026-12-08 21:33:42",
                 Text(true, true, false),
                 {"555年12月071日  04:26:24", "12月08日(火) 21:33:42"}},
        TextCase{"2026-12-08 21:33:42",
                 Text(false, true, false),
                 {"555年12月071日 am04:26:24", "12月08日(火) pm09:33:42"}},
        TextCase{"2026-03-01 00:00:00",
                 Text(true, true, true),
                 {"555年03月008日  23:56:48", "03月01日(日) 00:00:00",
                  "next dawn: 2026-03-01 00:37:54.000 (in 0:37:54.000)",
                  "next dusk: 2026-03-01 02:22:54.000 (in 2:22:54.000)"}},
        TextCase{"2026-12-31 23:30:00.250",
                 Text(true, false, true),
                 {"555年12月255日  19:56:50", "next dawn: 2027-01-01 00:37:54.000 (in 1:07:53.750)",
                  "next dusk: 2027-01-01 02:22:54.000 (in 2:52:53.750)"}}));

TEST(SjisReport, IsTheClockLinesBytes) {
    Options options = Text(false, true, true);
    options.sjis = true;
    const SystemTime local = At("2026-12-08 21:33:42");
    const Lines lines = Report(options, local);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], FormatGameLine(CalcGameTime(local), false));
    EXPECT_EQ(lines[1], FormatRealLine(local, false));
    EXPECT_EQ(lines[2], "next dawn: 2026-12-08 21:37:54.000 (in 0:04:12.000)");
}

struct JsonCase {
    bool hour24;
    bool next;
    const char* json;
};

class JsonReport : public testing::TestWithParam<JsonCase> {};

TEST_P(JsonReport, IsOneObjectWithTheGameTime) {
    Options options = Text(GetParam().hour24, false, GetParam().next);
    options.json = true;
    EXPECT_EQ(Report(options, At("2026-12-08 21:33:42")), Lines{GetParam().json});
}

INSTANTIATE_TEST_SUITE_P(
    Examples, JsonReport,
    testing::Values(
        JsonCase{true, false,
                 R"({"month":12,"day":71,"hour":4,"minute":26,"second":24,"night":true,)"
                 R"("game_line":"555年12月071日  04:26:24","real_line":"12月08日(火) 21:33:42"})"},
        JsonCase{false, true,
                 R"({"month":12,"day":71,"hour":4,"minute":26,"second":24,"night":true,)"
                 R"("game_line":"555年12月071日 am04:26:24","real_line":"12月08日(火) pm09:33:42",)"
                 R"("next_dawn":"2026-12-08 21:37:54.000","ms_to_dawn":252000,)"
                 R"("next_dusk":"2026-12-08 23:22:54.000","ms_to_dusk":6552000})"}));

TEST(JsonReport, ShowsDaytimeAsNotNight) {
    Options options;
    options.json = true;
    const std::string json = Report(options, At("2026-12-08 23:00:00")).front();
    EXPECT_NE(json.find(R"("hour":15,"minute":56,"second":48,"night":false,)"), std::string::npos)
        << json;
}

}  // namespace
}  // namespace vc::vlttime
