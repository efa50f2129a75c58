#pragma once
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "framework/system_time.h"

namespace vc {

enum class GamePhase { Dusk, Dawn };

// An occurrence of dusk or dawn that is due to be told, and how far away it is (at most
// kPhaseAlertGraceMs past).
struct PhaseAlertDue {
    GamePhase phase = GamePhase::Dusk;
    std::int64_t msAway = 0;

    friend bool operator==(const PhaseAlertDue&, const PhaseAlertDue&) = default;
};

// A moment that a tick misses by this much still counts as reached.
inline constexpr std::int64_t kPhaseAlertGraceMs = 2'000;

// Says once per occurrence that the game's dusk or dawn is `leadSeconds` of real time away.
// An occurrence is due from its moment less the lead until the grace after it, so a clock
// started inside that span tells it at once; each phase remembers the one occurrence it
// told last, so the local clock set back (by up to a game day) never tells one twice, and one
// set forward past it skips it without telling it late.
class PhaseAlerts {
  public:
    PhaseAlerts() = default;
    PhaseAlerts(bool dusk, bool dawn, std::int32_t leadSeconds)
        : on_{dusk, dawn}, leadMs_(std::int64_t{leadSeconds} * 1'000) {}

    bool AnyOn() const { return on_[0] || on_[1]; }

    // The next occurrence due at `now` and not yet told, which counts as told from here on;
    // nothing when none is due. Dusk is looked at before dawn.
    std::optional<PhaseAlertDue> Next(const SystemTime& now);

  private:
    static constexpr std::int64_t kNoneTold = std::numeric_limits<std::int64_t>::min();

    std::array<bool, 2> on_{false, false};
    std::int64_t leadMs_ = 0;
    // The wall-clock millisecond of each phase's occurrence told last.
    std::array<std::int64_t, 2> told_{kNoneTold, kNoneTold};
};

}  // namespace vc
