#include "clock/game_phases.h"

#include "clock/local_calendar.h"

namespace vc {

PhaseStart NextGameTimeOfDay(const SystemTime& now, std::int32_t gameMsOfDay) noexcept {
    const std::int64_t nowMs = WallClockMs(now);
    std::int64_t at = nowMs - MsIntoBlock(now) + BlockMsAtGameTime(gameMsOfDay);
    if (at <= nowMs) {
        at += kMsPerBlock;
    }
    return {FromWallClockMs(at), at - nowMs};
}

PhaseStart NextGameDawn(const SystemTime& now) noexcept {
    return NextGameTimeOfDay(now, kGameDawnMs);
}

PhaseStart NextGameDusk(const SystemTime& now) noexcept {
    return NextGameTimeOfDay(now, kGameDuskMs);
}

std::int32_t RealMsToNextGameSecond(const SystemTime& now) noexcept {
    return kRealMsPerGameSecond - now.wMilliseconds % kRealMsPerGameSecond;
}

}  // namespace vc
