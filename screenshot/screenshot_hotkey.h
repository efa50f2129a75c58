#pragma once

#include "framework/seam/desktop.h"

namespace vc {

// Polls the P key on each hotkey tick and says when Ctrl+P was pressed for the game.
class ScreenshotHotkey {
  public:
    // The game window to capture, or 0. A press is examined once, on the tick its state is
    // first seen: it counts only if P is down, Ctrl is down, the option is on and the game
    // window is in front.
    WindowId Poll(const Desktop& desktop, bool optionOn);

    // P's last state; up and untoggled at start, so a P already down counts on the first
    // tick.
    KeyState LastPKeyState;
};

}  // namespace vc
