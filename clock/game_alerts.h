#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "framework/system_time.h"

namespace vc {

enum class AlertKind : std::uint8_t { Dusk, Dawn, At };

// A game time of day to tell ahead of: the dusk, the dawn or an alarm time.
struct AlertTarget {
    AlertKind kind = AlertKind::Dusk;
    std::int32_t gameMinuteOfDay = 0;

    friend bool operator==(const AlertTarget&, const AlertTarget&) = default;
};

// What the settings switch on.
struct AlertChoice {
    bool dusk = false;
    bool dawn = false;
    std::span<const std::int32_t> atMinutes;  // game minutes of the day
    std::int32_t leadSeconds = 60;
};

// Dusk and dawn, then the alarm times: 8 at most.
inline constexpr std::size_t kMaxAlertTargets = 10;

// Dusk and dawn where on, then each alarm time in its order, except one at the time of a
// phase that is on: that occurrence is told once, as the phase.
std::vector<AlertTarget> AlertTargets(const AlertChoice& choice);

// A target's occurrence, in local wall-clock milliseconds, and when it is told.
struct AlertOccurrence {
    AlertTarget target;
    std::int64_t atMs = 0;
    std::int64_t toldMs = 0;  // atMs less the lead

    friend bool operator==(const AlertOccurrence&, const AlertOccurrence&) = default;
};

// The target's first occurrence strictly after `from`.
AlertOccurrence NextOccurrence(const AlertTarget& target, std::int64_t leadMs,
                               const SystemTime& from);

// The next occurrence of every target the choice switches on, soonest first.
std::vector<AlertOccurrence> UpcomingAlerts(const AlertChoice& choice, const SystemTime& now);

// An occurrence that is due to be told: which target (its place in AlertTargets), when, and
// how far away it is (at most kAlertGraceMs past).
struct AlertDue {
    std::size_t slot = 0;
    AlertOccurrence occurrence;
    std::int64_t msAway = 0;

    friend bool operator==(const AlertDue&, const AlertDue&) = default;
};

// A moment that a tick misses by this much still counts as reached.
inline constexpr std::int64_t kAlertGraceMs = 2'000;

// Says once per occurrence that a target is `leadSeconds` of real time away. An occurrence
// is due from its moment less the lead until the grace after it, so a clock started inside
// that span tells it at once; each target remembers the one occurrence it told last, so the
// local clock set back (by up to a game day) never tells one twice, and one set forward past
// it skips it without telling it late.
class GameAlerts {
  public:
    GameAlerts() = default;
    explicit GameAlerts(const AlertChoice& choice);

    bool AnyOn() const { return !targets_.empty(); }
    std::int64_t LeadMs() const { return leadMs_; }

    // The next occurrence due at `now` and not yet told, which counts as told from here on;
    // nothing when none is due. Targets are looked at in their order.
    std::optional<AlertDue> Next(const SystemTime& now);

  private:
    static constexpr std::int64_t kNoneTold = std::numeric_limits<std::int64_t>::min();

    std::vector<AlertTarget> targets_;
    std::int64_t leadMs_ = 0;
    // The wall-clock millisecond of each target's occurrence told last.
    std::vector<std::int64_t> told_;
};

}  // namespace vc
