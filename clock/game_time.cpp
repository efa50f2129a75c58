#include "clock/game_time.h"

namespace vc {

std::int32_t MsIntoBlock(const SystemTime& local) noexcept {
    return (local.wHour % 3) * 3'600'000 + local.wMinute * 60'000 + local.wSecond * 1'000 +
           local.wMilliseconds;
}

std::int32_t GameMsOfDay(const SystemTime& local) noexcept {
    const std::int32_t g = MsIntoBlock(local) * kGameSpeed - kGameLagMs;
    return g < 0 ? g + kMsPerGameDay : g;
}

GameTime CalcGameTime(const SystemTime& local) noexcept {
    const std::int32_t g = GameMsOfDay(local);
    GameTime t;
    t.Month = local.wMonth;
    t.Day = local.wDay * 8 + local.wHour / 3;
    t.Hour = g / 3'600'000;
    t.Minute = (g / 60'000) % 60;
    t.Second = (g / 1'000) % 60;
    return t;
}

GameTime CalcGameTime(const LocalClock& clock) {
    return CalcGameTime(clock.Now());
}

bool IsGameNight(const GameTime& time) noexcept {
    const std::int32_t ms = ((time.Hour * 60 + time.Minute) * 60 + time.Second) * 1'000;
    return ms < kGameDawnMs || ms >= kGameDuskMs;
}

}  // namespace vc
