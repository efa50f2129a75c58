#include "clock/phase_alerts.h"

#include "clock/game_phases.h"
#include "clock/local_calendar.h"

namespace vc {
namespace {

constexpr std::int64_t kRealMsPerGameDay = kMsPerGameDay / kGameSpeed;

// A clock set back finds an occurrence at or before the one told last: it was told then,
// unless the clock went back more than a whole game day, where a new round begins.
bool AlreadyTold(std::int64_t at, std::int64_t told) {
    return at <= told && told - at <= kRealMsPerGameDay;
}

}  // namespace

std::optional<PhaseAlertDue> PhaseAlerts::Next(const SystemTime& now) {
    constexpr GamePhase kPhases[] = {GamePhase::Dusk, GamePhase::Dawn};
    const std::int64_t nowMs = WallClockMs(now);
    // From a moment just before now, so that one reached a little late is still found.
    const SystemTime lookFrom = FromWallClockMs(nowMs - kPhaseAlertGraceMs);
    for (const GamePhase phase : kPhases) {
        const auto index = static_cast<std::size_t>(phase);
        if (!on_[index]) {
            continue;
        }
        const PhaseStart next =
            phase == GamePhase::Dusk ? NextGameDusk(lookFrom) : NextGameDawn(lookFrom);
        const std::int64_t at = WallClockMs(next.at);
        if (nowMs < at - leadMs_ || AlreadyTold(at, told_[index])) {
            continue;
        }
        told_[index] = at;
        return PhaseAlertDue{phase, at - nowMs};
    }
    return std::nullopt;
}

}  // namespace vc
