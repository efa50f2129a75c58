#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "clock/game_alerts.h"

namespace vc {

// The corner button's blink for told occurrences: over the last minute before each (its whole
// lead when that is shorter), or the ten seconds after it when told at the moment. Times are
// local wall-clock milliseconds; the blink's halves follow that clock, so occurrences blinking
// together blink as one.
class AlertBlink {
  public:
    static constexpr std::int64_t kLongestBeforeMs = 60'000;
    static constexpr std::int64_t kAfterMs = 10'000;
    static constexpr std::int64_t kHalfMs = 500;

    // The occurrence told for target `slot` (of AlertTargets) replaces that target's last one.
    void Told(std::size_t slot, const AlertOccurrence& occurrence);
    // Whether the button shows its down look now: in the second half of every second while
    // an occurrence blinks.
    bool ShowsDown(std::int64_t nowMs) const;
    // A click on the button: the occurrences told and not yet over blink no more.
    void EndPending(std::int64_t nowMs);

  private:
    struct Span {
        std::int64_t from = 0;
        std::int64_t until = 0;  // none when not after `from`
    };
    std::array<Span, kMaxAlertTargets> spans_{};
};

}  // namespace vc
