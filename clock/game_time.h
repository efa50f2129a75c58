#pragma once
#include <cstdint>

#include "framework/seam/local_clock.h"
#include "framework/system_time.h"

namespace vc {

struct GameTime {
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Second = 0;

    friend bool operator==(const GameTime&, const GameTime&) = default;
};

inline constexpr std::int32_t kMsPerBlock = 3 * 3'600'000;
inline constexpr std::int32_t kMsPerGameDay = 86'400'000;
inline constexpr std::int32_t kGameMsPerMinute = 60'000;
inline constexpr std::int32_t kGameSpeed = 8;
// The game clock stands this far behind the start of each real block, in game ms.
inline constexpr std::int32_t kGameLagMs = 192'000;
// Game day runs from dawn up to dusk; the rest is night.
inline constexpr std::int32_t kGameDawnMs = 5 * 3'600'000;
inline constexpr std::int32_t kGameDuskMs = 19 * 3'600'000;

// Milliseconds elapsed in the local three-hour block that `local` lies in.
std::int32_t MsIntoBlock(const SystemTime& local) noexcept;
// The game's time of day in game milliseconds, 0 .. kMsPerGameDay - 1.
std::int32_t GameMsOfDay(const SystemTime& local) noexcept;

GameTime CalcGameTime(const SystemTime& local) noexcept;
GameTime CalcGameTime(const LocalClock& clock);

bool IsGameNight(const GameTime& time) noexcept;

}  // namespace vc
