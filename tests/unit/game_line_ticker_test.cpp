#include "window/game_line_ticker.h"

#include <gtest/gtest.h>

#include "clock/clock_lines.h"

namespace vc {
namespace {

TEST(GameLineTicker, RebuildsOnlyWhenTheGameSecondChanges) {
    GameLineTicker ticker(true);
    const GameTime first{3, 8, 23, 56, 48};
    ASSERT_EQ(ticker.Tick(first), FormatGameLine(first, true));
    EXPECT_EQ(ticker.Tick(first), std::nullopt);
    // Same second, other minute: the last second alone decides.
    EXPECT_EQ(ticker.Tick(GameTime{3, 8, 23, 57, 48}), std::nullopt);
    const GameTime next{3, 8, 23, 56, 49};
    EXPECT_EQ(ticker.Tick(next), FormatGameLine(next, true));
}

TEST(GameLineTicker, AFirstTickInSecondZeroKeepsTheDesignedCaption) {
    GameLineTicker ticker(false);
    EXPECT_EQ(ticker.Tick(GameTime{3, 8, 0, 0, 0}), std::nullopt);
    const GameTime next{3, 8, 0, 0, 1};
    EXPECT_EQ(ticker.Tick(next), FormatGameLine(next, false));
}

}  // namespace
}  // namespace vc
