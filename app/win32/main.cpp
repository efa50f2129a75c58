#include <windows.h>

#include "platform/win32/strip_window.h"
#include "platform/win32/win32_clock.h"
#include "window/game_line_ticker.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const vc::Win32LocalClock clock;
    vc::GameLineTicker ticker(true);
    vc::StripWindow strip(instance, clock, ticker);
    return strip.RunMessageLoop();
}
