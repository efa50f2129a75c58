#include "window/game_line_ticker.h"

#include "clock/clock_lines.h"

namespace vc {

std::optional<std::string> GameLineTicker::Tick(const GameTime& now) {
    if (now.Second == lastSecond_) {
        return std::nullopt;
    }
    lastSecond_ = now.Second;
    return FormatGameLine(now, hour24_);
}

}  // namespace vc
