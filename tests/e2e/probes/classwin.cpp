// A stand-in window of a given class for the journeys (e.g. the game's "VLT-CL"): it lives
// until it is closed or its process is killed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

// classwin CLASS [TITLE [X Y]]
int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: classwin CLASS [TITLE [X Y]]\n");
        return 2;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = argv[1];
    if (RegisterClassA(&windowClass) == 0) {
        std::fprintf(stderr, "RegisterClass failed: %lu\n", GetLastError());
        return 1;
    }
    const int x = argc > 4 ? std::atoi(argv[3]) : 400;
    const int y = argc > 4 ? std::atoi(argv[4]) : 300;
    HWND window = CreateWindowExA(0, argv[1], argc > 2 ? argv[2] : argv[1], WS_OVERLAPPEDWINDOW, x,
                                  y, 200, 120, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "CreateWindow failed: %lu\n", GetLastError());
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
