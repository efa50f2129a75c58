#include "clock/game_alerts.h"

#include <algorithm>

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

std::vector<AlertTarget> AlertTargets(const AlertChoice& choice) {
    constexpr std::int32_t kDusk = kGameDuskMs / kGameMsPerMinute;
    constexpr std::int32_t kDawn = kGameDawnMs / kGameMsPerMinute;
    std::vector<AlertTarget> targets;
    if (choice.dusk) {
        targets.push_back({AlertKind::Dusk, kDusk});
    }
    if (choice.dawn) {
        targets.push_back({AlertKind::Dawn, kDawn});
    }
    for (const std::int32_t minute : choice.atMinutes) {
        const bool told = std::any_of(targets.begin(), targets.end(), [minute](const auto& t) {
            return t.gameMinuteOfDay == minute;
        });
        if (!told) {
            targets.push_back({AlertKind::At, minute});
        }
    }
    return targets;
}

AlertOccurrence NextOccurrence(const AlertTarget& target, std::int64_t leadMs,
                               const SystemTime& from) {
    const PhaseStart next = NextGameTimeOfDay(from, target.gameMinuteOfDay * kGameMsPerMinute);
    const std::int64_t at = WallClockMs(next.at);
    return {target, at, at - leadMs};
}

std::vector<AlertOccurrence> UpcomingAlerts(const AlertChoice& choice, const SystemTime& now) {
    const std::int64_t leadMs = std::int64_t{choice.leadSeconds} * 1'000;
    std::vector<AlertOccurrence> upcoming;
    for (const AlertTarget& target : AlertTargets(choice)) {
        upcoming.push_back(NextOccurrence(target, leadMs, now));
    }
    std::stable_sort(upcoming.begin(), upcoming.end(),
                     [](const auto& a, const auto& b) { return a.atMs < b.atMs; });
    return upcoming;
}

GameAlerts::GameAlerts(const AlertChoice& choice)
    : targets_(AlertTargets(choice)),
      leadMs_(std::int64_t{choice.leadSeconds} * 1'000),
      told_(targets_.size(), kNoneTold) {}

std::optional<AlertDue> GameAlerts::Next(const SystemTime& now) {
    const std::int64_t nowMs = WallClockMs(now);
    // From a moment just before now, so that one reached a little late is still found.
    const SystemTime lookFrom = FromWallClockMs(nowMs - kAlertGraceMs);
    for (std::size_t slot = 0; slot < targets_.size(); ++slot) {
        const AlertOccurrence next = NextOccurrence(targets_[slot], leadMs_, lookFrom);
        if (nowMs < next.toldMs || AlreadyTold(next.atMs, told_[slot])) {
            continue;
        }
        told_[slot] = next.atMs;
        return AlertDue{slot, next, next.atMs - nowMs};
    }
    return std::nullopt;
}

}  // namespace vc
