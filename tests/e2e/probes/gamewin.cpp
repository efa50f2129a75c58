// A stand-in for the game's window (class "VLT-CL") with a picture the journeys can check a
// screenshot against: a client area of exactly 320 x 240, eight vertical colour bars 40 px
// wide over the top 200 rows, and below them a black left half and a white right half, so
// that a picture turned upside down or mirrored does not pass. It takes the front and
// lives until it is closed or its process is killed (as "vanish", until P goes down in it).
// As "directx" it stands in for a game presenting through DirectX: its ordinary painting
// leaves the client area black, and only when asked to print itself (WM_PRINTCLIENT) does
// it draw the picture.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kClientWidth = 320;
constexpr int kClientHeight = 240;
constexpr int kBarWidth = 40;
constexpr int kBarsHeight = 200;

// Left to right; every channel is 0 or 255, so a bar's centre is known exactly.
constexpr COLORREF kBars[] = {
    RGB(255, 255, 255), RGB(255, 255, 0), RGB(0, 255, 255), RGB(0, 255, 0),
    RGB(255, 0, 255),   RGB(255, 0, 0),   RGB(0, 0, 255),   RGB(0, 0, 0),
};

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT area{left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

bool directX = false;
// Closes its window as P goes down: a game that ends in the middle of Ctrl+P.
bool vanishOnP = false;

void DrawPicture(HDC dc) {
    int left = 0;
    for (const COLORREF colour : kBars) {
        Fill(dc, left, 0, left + kBarWidth, kBarsHeight, colour);
        left += kBarWidth;
    }
    Fill(dc, 0, kBarsHeight, kClientWidth / 2, kClientHeight, RGB(0, 0, 0));
    Fill(dc, kClientWidth / 2, kBarsHeight, kClientWidth, kClientHeight, RGB(255, 255, 255));
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (directX) {
        Fill(dc, 0, 0, kClientWidth, kClientHeight, RGB(0, 0, 0));
    } else {
        DrawPicture(dc);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_PRINTCLIENT:
            DrawPicture(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            // WM_PAINT covers every pixel; erasing first would only flicker.
            return 1;
        case WM_KEYDOWN:
            if (vanishOnP && wParam == 'P') {
                DestroyWindow(window);
                return 0;
            }
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

// gamewin [TITLE [X Y [directx|vanish]]]: X Y place the client area's top-left corner on the
// screen.
int main(int argc, char** argv) {
    directX = argc > 4 && std::strcmp(argv[4], "directx") == 0;
    vanishOnP = argc > 4 && std::strcmp(argv[4], "vanish") == 0;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "VLT-CL";
    if (RegisterClassA(&windowClass) == 0) {
        std::fprintf(stderr, "RegisterClass failed: %lu\n", GetLastError());
        return 1;
    }
    const int x = argc > 3 ? std::atoi(argv[2]) : 300;
    const int y = argc > 3 ? std::atoi(argv[3]) : 200;
    // A frame like a game's; the outer rectangle is grown so that the client area is exact.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer{x, y, x + kClientWidth, y + kClientHeight};
    AdjustWindowRect(&outer, style, FALSE);
    HWND window = CreateWindowExA(0, "VLT-CL", argc > 1 ? argv[1] : "VeltriaRune", style,
                                  outer.left, outer.top, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "CreateWindow failed: %lu\n", GetLastError());
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetForegroundWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    std::printf("ready client=%ldx%ld\n", client.right, client.bottom);
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
