#include "clock/alert_blink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vc {
namespace {

// Occurrences at whole seconds of a made-up wall clock; the look is sampled at each moment.
constexpr std::int64_t kAt = 1'000'000;
constexpr std::int64_t kLater = kAt + 600'000;

AlertOccurrence Occurrence(std::int64_t at, std::int64_t leadMs) {
    return {AlertTarget{AlertKind::At, 720}, at, at - leadMs};
}

struct Step {
    std::int64_t now;
    bool down;
};

struct BlinkCase {
    const char* what;
    std::vector<std::pair<std::size_t, AlertOccurrence>> told;
    std::vector<Step> steps;
    std::int64_t clickAt = -1;  // a click on the button before the steps, if any
    std::vector<std::pair<std::size_t, AlertOccurrence>> toldAfterClick = {};
};

const BlinkCase kCases[] = {
    {"lead 60: the last minute, down in each second half, then normal",
     {{0, Occurrence(kAt, 60'000)}},
     {{kAt - 60'001, false},
      {kAt - 60'000, false},
      {kAt - 59'500, true},
      {kAt - 59'001, true},
      {kAt - 59'000, false},
      {kAt - 500, true},
      {kAt, false},
      {kAt + 500, false},
      {kAt + 10'500, false}}},
    {"lead 300: only the last minute blinks",
     {{0, Occurrence(kAt, 300'000)}},
     {{kAt - 299'500, false}, {kAt - 60'500, false}, {kAt - 59'500, true}, {kAt - 500, true}}},
    {"lead 20: the whole lead",
     {{0, Occurrence(kAt, 20'000)}},
     {{kAt - 20'500, false}, {kAt - 19'500, true}, {kAt - 19'000, false}, {kAt + 500, false}}},
    {"lead 0: the ten seconds after",
     {{0, Occurrence(kAt, 0)}},
     {{kAt - 500, false}, {kAt + 500, true}, {kAt + 9'500, true}, {kAt + 10'500, false}}},
    {"two overlapping: one blink, on until the later ends",
     {{0, Occurrence(kAt, 60'000)}, {1, Occurrence(kAt + 30'000, 60'000)}},
     {{kAt - 59'500, true}, {kAt + 500, true}, {kAt + 1'000, false}, {kAt + 30'500, false}}},
    {"a click ends what is pending then, not what is told after",
     {{0, Occurrence(kAt, 60'000)}},
     {{kAt - 29'500, false}, {kAt - 500, false}, {kLater - 59'500, true}},
     kAt - 30'000,
     {{1, Occurrence(kLater, 60'000)}}},
    {"a click before the blink starts ends it too",
     {{0, Occurrence(kAt, 300'000)}},
     {{kAt - 59'500, false}, {kAt - 500, false}},
     kAt - 200'000},
    {"a click in the blink after the moment ends it; the target's next occurrence blinks",
     {{0, Occurrence(kAt, 0)}},
     {{kAt + 1'500, false}, {kLater - 500, true}},
     kAt + 1'000,
     {{0, Occurrence(kLater, 60'000)}}},
    {"the target's next occurrence replaces its last",
     {{0, Occurrence(kAt, 60'000)}, {0, Occurrence(kLater, 60'000)}},
     {{kAt - 500, false}, {kLater - 500, true}}},
};

class AlertBlinkSteps : public testing::TestWithParam<BlinkCase> {};

TEST_P(AlertBlinkSteps, AlternateWhileAToldOccurrenceIsNear) {
    const BlinkCase& c = GetParam();
    AlertBlink blink;
    for (const auto& [slot, occurrence] : c.told) {
        blink.Told(slot, occurrence);
    }
    if (c.clickAt >= 0) {
        blink.EndPending(c.clickAt);
    }
    for (const auto& [slot, occurrence] : c.toldAfterClick) {
        blink.Told(slot, occurrence);
    }
    for (const Step& step : c.steps) {
        EXPECT_EQ(blink.ShowsDown(step.now), step.down)
            << c.what << ", at " << step.now - kAt << " ms from the first occurrence";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AlertBlinkSteps, testing::ValuesIn(kCases));

TEST(AlertBlink, NothingToldNeverBlinks) {
    const AlertBlink blink;
    for (const std::int64_t now : {std::int64_t{0}, std::int64_t{500}, kAt + 500}) {
        EXPECT_FALSE(blink.ShowsDown(now));
    }
}

}  // namespace
}  // namespace vc
