// The least a clock must do, for comparison with VeltriaClock.exe under Wine: a window with
// the same three timers (1, 100 and 10 ms) making the calls the clock's design requires at
// each tick (pointer, the game window looked up, the local time; the P key at 10 ms), and
// a plain repaint of the game line, in the font the design names ("ＭＳ ゴシック", 12 px,
// Shift-JIS), whenever the game second (eight per real second) changes, where the clock's
// line stands. Title "IdleBaseline".
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

int lastGameSecond = -1;
int lastRealSecond = -1;
wchar_t line[64] = L"";
HFONT font = nullptr;
constexpr RECT kLine{22, 13, 160, 25};

void GameClockTick(HWND window) {
    POINT cursor;
    GetCursorPos(&cursor);
    FindWindowA("VLT-CL", nullptr);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const long long ms =
        ((now.wHour * 60LL + now.wMinute) * 60 + now.wSecond) * 1000 + now.wMilliseconds;
    const int gameSecond = static_cast<int>(ms * 8 / 1000 % 60);
    if (gameSecond != lastGameSecond) {
        lastGameSecond = gameSecond;
        swprintf(line, 64, L"555年%02d月%03d日  %02d:%02d:%02d", now.wMonth, now.wDay, now.wHour,
                 now.wMinute, gameSecond);
        InvalidateRect(window, &kLine, FALSE);
    }
}

void RealClockTick(HWND window) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    (void)window;
    if (now.wSecond != lastRealSecond) {
        lastRealSecond = now.wSecond;
    }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == 1) {
                GameClockTick(window);
            } else if (wParam == 2) {
                RealClockTick(window);
            } else {
                GetKeyState('P');
            }
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            HGDIOBJ old = SelectObject(dc, font);
            SetBkColor(dc, RGB(0, 0, 0));
            SetTextColor(dc, RGB(255, 255, 255));
            ExtTextOutW(dc, kLine.left, kLine.top, ETO_OPAQUE, &kLine, line, lstrlenW(line),
                        nullptr);
            SelectObject(dc, old);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

// idle_baseline [X Y]: where its 175 x 38 window stands (0,0 by default, as the clock's).
int main(int argc, char** argv) {
    const int x = argc > 2 ? std::atoi(argv[1]) : 0;
    const int y = argc > 2 ? std::atoi(argv[2]) : 0;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "IdleBaseline";
    RegisterClassA(&windowClass);
    font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "IdleBaseline", "IdleBaseline", WS_POPUP, x, y,
                                  175, 38, nullptr, nullptr, instance, nullptr);
    SetTimer(window, 1, 1, nullptr);
    SetTimer(window, 2, 100, nullptr);
    SetTimer(window, 3, 10, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
