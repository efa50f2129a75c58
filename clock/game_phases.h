#pragma once
#include <cstdint>

#include "clock/game_time.h"
#include "framework/system_time.h"

namespace vc {

inline constexpr std::int32_t kRealMsPerGameSecond = 1'000 / kGameSpeed;

// Where in every real block the game clock reaches `gameMsOfDay` (a multiple of kGameSpeed).
constexpr std::int32_t BlockMsAtGameTime(std::int32_t gameMsOfDay) noexcept {
    return (gameMsOfDay + kGameLagMs) % kMsPerGameDay / kGameSpeed;
}

static_assert(BlockMsAtGameTime(kGameDawnMs) == 2'274'000);
static_assert(BlockMsAtGameTime(kGameDuskMs) == 8'574'000);

struct PhaseStart {
    SystemTime at;        // local wall-clock time
    std::int64_t msAway;  // > 0

    friend bool operator==(const PhaseStart&, const PhaseStart&) = default;
};

// The first moment strictly after `now` at which the game clock reads `gameMsOfDay`.
PhaseStart NextGameTimeOfDay(const SystemTime& now, std::int32_t gameMsOfDay) noexcept;
PhaseStart NextGameDawn(const SystemTime& now) noexcept;
PhaseStart NextGameDusk(const SystemTime& now) noexcept;

// Real milliseconds until the game clock shows its next second.
std::int32_t RealMsToNextGameSecond(const SystemTime& now) noexcept;

}  // namespace vc
