#include "screenshot/take_screenshot.h"

#include "screenshot/bmp_file.h"
#include "screenshot/jpeg_file.h"
#include "screenshot/screenshot_name.h"

namespace vc {

WindowId ScreenshotHotkey::Poll(const Desktop& desktop, bool optionOn) {
    const std::int16_t state = desktop.KeyState(VK_P_KEY);
    if (state == LastPKeyState) {
        return 0;
    }
    // Stored before any test, so each change of P is looked at exactly once.
    LastPKeyState = state;
    if (!optionOn || state >= 0 || !desktop.KeyDown(VK_CONTROL_KEY)) {
        return 0;
    }
    const WindowId game = desktop.FindTopLevel(kGameWindowClass);
    if (game == 0 || desktop.ForegroundWindow() != game) {
        return 0;
    }
    return game;
}

void TakeScreenshot(Desktop& desktop, Shell& files, const LocalClock& clock, WindowId game,
                    const ScreenshotTarget& target) {
    const auto size = desktop.ClientSize(game);
    if (!size) {
        return;
    }
    const auto capture = desktop.CaptureClient(game, *size);
    const std::string stem = target.folder + "\\" + ScreenshotName(clock.Now());
    if (target.saveBmp) {
        SaveScreenshotBmp(*capture, stem + ".bmp", files);
    }
    SaveScreenshotJpeg(*capture, stem + ".jpg", files);
}

}  // namespace vc
