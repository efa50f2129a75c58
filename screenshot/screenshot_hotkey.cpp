#include "screenshot/screenshot_hotkey.h"

#include "framework/game_client.h"

namespace vc {

WindowId ScreenshotHotkey::Poll(const Desktop& desktop, bool optionOn) {
    const KeyState state = desktop.StateOf(Key::P);
    if (state == LastPKeyState) {
        return 0;
    }
    // Stored before any test, so each change of P is looked at exactly once.
    LastPKeyState = state;
    if (!optionOn || !state.down || !desktop.KeyDown(Key::Control)) {
        return 0;
    }
    const WindowId game = desktop.FindTopLevel(kGameWindowClass);
    if (game == 0 || desktop.ForegroundWindow() != game) {
        return 0;
    }
    return game;
}

}  // namespace vc
