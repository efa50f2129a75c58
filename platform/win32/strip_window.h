#pragma once
#include <windows.h>

#include <string>

#include "framework/platform.h"
#include "window/game_line_ticker.h"

namespace vc {

// The clock's strip: a borderless topmost pop-up owned by a hidden tool window, so that
// it has no taskbar button. It shows the game line and redraws it when it changes.
class StripWindow {
  public:
    StripWindow(HINSTANCE instance, const LocalClock& clock, GameLineTicker& ticker);
    ~StripWindow();
    StripWindow(const StripWindow&) = delete;
    StripWindow& operator=(const StripWindow&) = delete;

    int RunMessageLoop();

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer();
    void OnPaint();
    void Compose(HDC dc) const;

    const LocalClock& clock_;
    GameLineTicker& ticker_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    std::string line_;
};

}  // namespace vc
