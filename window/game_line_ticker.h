#pragma once
#include <optional>
#include <string>

#include "clock/game_time.h"
#include "framework/system_time.h"

namespace vc {

// The game line is rebuilt only when the game second changes; the label keeps its text
// otherwise (also its designed caption, when the first tick falls in game second 0).
class GameLineTicker {
  public:
    explicit GameLineTicker(bool hour24) : hour24_(hour24) {}

    // The new CP932 line when the game second differs from the last one, else nothing.
    std::optional<std::string> Tick(const GameTime& now);

  private:
    bool hour24_;
    int lastSecond_ = 0;
};

}  // namespace vc
