#include "clock/clock_lines.h"

#include <gtest/gtest.h>

#include "platform/posix/cp932.h"
#include "tests/support/local_time_fixture.h"

namespace vc {
namespace {

struct GameLineCase {
    GameTime game;
    const char* hour24;  // expected, decoded
    const char* hour12;
};

class GameLine : public testing::TestWithParam<GameLineCase> {};

TEST_P(GameLine, ReadsExactlyInBothHourModes) {
    const GameLineCase& c = GetParam();
    EXPECT_EQ(FormatGameLine(c.game, true), Utf8ToCp932(c.hour24));
    EXPECT_EQ(FormatGameLine(c.game, false), Utf8ToCp932(c.hour12));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GameLine,
    testing::Values(
        GameLineCase{{3, 8, 23, 56, 48}, "555年03月008日  23:56:48", "555年03月008日 pm11:56:48"},
        GameLineCase{{1, 255, 0, 0, 0}, "555年01月255日  00:00:00", "555年01月255日 am00:00:00"},
        GameLineCase{{12, 124, 12, 5, 9}, "555年12月124日  12:05:09", "555年12月124日 pm00:05:09"},
        GameLineCase{
            {6, 80, 11, 59, 59}, "555年06月080日  11:59:59", "555年06月080日 am11:59:59"}));

struct RealLineCase {
    SystemTime local;
    const char* hour24;
    const char* hour12;
};

class RealLine : public testing::TestWithParam<RealLineCase> {};

TEST_P(RealLine, ReadsExactlyInBothHourModes) {
    const RealLineCase& c = GetParam();
    EXPECT_EQ(FormatRealLine(c.local, true), Utf8ToCp932(c.hour24));
    EXPECT_EQ(FormatRealLine(c.local, false), Utf8ToCp932(c.hour12));
}

using test::Local;

INSTANTIATE_TEST_SUITE_P(
    Examples, RealLine,
    testing::Values(RealLineCase{Local(12, 8, 21, 33, 42, 0, 2), "12月08日(火) 21:33:42",
                                 "12月08日(火) pm09:33:42"},
                    RealLineCase{Local(1, 4, 0, 0, 0, 0, 0), "01月04日(日) 00:00:00",
                                 "01月04日(日) am00:00:00"},
                    RealLineCase{Local(1, 5, 12, 0, 7, 0, 1), "01月05日(月) 12:00:07",
                                 "01月05日(月) pm00:00:07"},
                    RealLineCase{Local(1, 7, 23, 9, 5, 0, 3), "01月07日(水) 23:09:05",
                                 "01月07日(水) pm11:09:05"},
                    RealLineCase{Local(1, 8, 11, 59, 59, 0, 4), "01月08日(木) 11:59:59",
                                 "01月08日(木) am11:59:59"},
                    RealLineCase{Local(1, 9, 13, 0, 0, 0, 5), "01月09日(金) 13:00:00",
                                 "01月09日(金) pm01:00:00"},
                    RealLineCase{Local(1, 10, 6, 30, 0, 0, 6), "01月10日(土) 06:30:00",
                                 "01月10日(土) am06:30:00"}));

}  // namespace
}  // namespace vc
