// A stand-in notification area for a desktop where Wine starts no explorer. It takes the
// icons as Wine's shell32 sends them (WM_COPYDATA of shell32's own record) and keeps each as
// a child window whose properties winask tray-icons reads, with the milliseconds since the
// area appeared. Button messages on an icon's window go to the icon's owner as Explorer
// passes them. `announce` broadcasts TaskbarCreated as Explorer does on starting; without it,
// programs find the area only by asking again. Prints a line for each change.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

constexpr wchar_t kIconClass[] = L"E2E-TrayIcon";
constexpr int kIconSize = 20;

// The first fields of Wine's record; its layout after them changed between versions.
struct NotifyHead {
    LONG owner;
    UINT id;
    UINT flags;
    UINT callbackMessage;
};

ULONGLONG appearedAt = 0;

HWND IconWindow(HWND shell, HWND owner, UINT id) {
    for (HWND child = GetWindow(shell, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetPropW(child, L"owner") == owner &&
            reinterpret_cast<UINT_PTR>(GetPropW(child, L"id")) == id) {
            return child;
        }
    }
    return nullptr;
}

void Place(HWND shell) {
    int slot = 0;
    for (HWND child = GetWindow(shell, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        SetWindowPos(child, nullptr, 2 + kIconSize * slot++, 2, kIconSize, kIconSize,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SetNumber(HWND window, const wchar_t* name, UINT_PTR value) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

BOOL Take(HWND shell, const COPYDATASTRUCT& data) {
    if (data.cbData < sizeof(NotifyHead)) {
        return FALSE;
    }
    NotifyHead head;
    std::memcpy(&head, data.lpData, sizeof head);
    HWND owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(head.owner));
    HWND icon = IconWindow(shell, owner, head.id);
    switch (data.dwData) {
        case NIM_ADD: {
            if (icon != nullptr) {
                return FALSE;
            }
            const ULONGLONG after = GetTickCount64() - appearedAt;
            icon = CreateWindowExW(0, kIconClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, kIconSize,
                                   kIconSize, shell, nullptr, GetModuleHandleW(nullptr), nullptr);
            if (icon == nullptr) {
                return FALSE;
            }
            SetPropW(icon, L"owner", owner);
            SetNumber(icon, L"id", head.id);
            SetNumber(icon, L"callback",
                      (head.flags & NIF_MESSAGE) != 0 ? head.callbackMessage : 0);
            SetNumber(icon, L"after_ms", static_cast<UINT_PTR>(after));
            Place(shell);
            std::printf("added owner=%p id=%u after_ms=%llu\n", static_cast<void*>(owner), head.id,
                        after);
            break;
        }
        case NIM_MODIFY:
            if (icon == nullptr) {
                return FALSE;
            }
            if ((head.flags & NIF_MESSAGE) != 0) {
                SetNumber(icon, L"callback", head.callbackMessage);
            }
            std::printf("modified owner=%p id=%u\n", static_cast<void*>(owner), head.id);
            break;
        case NIM_DELETE:
            if (icon == nullptr) {
                return FALSE;
            }
            DestroyWindow(icon);
            Place(shell);
            std::printf("deleted owner=%p id=%u\n", static_cast<void*>(owner), head.id);
            break;
        default:
            return FALSE;
    }
    std::fflush(stdout);
    return TRUE;
}

LRESULT CALLBACK IconProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: {
            const auto callback =
                static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetPropW(window, L"callback")));
            if (callback != 0) {
                SendNotifyMessageW(static_cast<HWND>(GetPropW(window, L"owner")), callback,
                                   reinterpret_cast<WPARAM>(GetPropW(window, L"id")), message);
            }
            return 0;
        }
        case WM_NCDESTROY:
            for (const wchar_t* name : {L"owner", L"id", L"callback", L"after_ms"}) {
                RemovePropW(window, name);
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ShellProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COPYDATA:
            return Take(window, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// trayshell [announce]
int main(int argc, char** argv) {
    const bool announce = argc > 1 && std::strcmp(argv[1], "announce") == 0;
    if (argc > 2 || (argc == 2 && !announce)) {
        std::fprintf(stderr, "usage: trayshell [announce]\n");
        return 2;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW shellClass{};
    shellClass.lpfnWndProc = ShellProcedure;
    shellClass.hInstance = instance;
    shellClass.lpszClassName = L"Shell_TrayWnd";
    WNDCLASSW iconClass{};
    iconClass.lpfnWndProc = IconProcedure;
    iconClass.hInstance = instance;
    iconClass.lpszClassName = kIconClass;
    if (RegisterClassW(&shellClass) == 0 || RegisterClassW(&iconClass) == 0) {
        std::fprintf(stderr, "RegisterClass failed: %lu\n", GetLastError());
        return 1;
    }
    // Programs may find the window once it is being made.
    appearedAt = GetTickCount64();
    // Along the screen's top edge, the icons from the left, as in Wine's own tray window.
    HWND shell = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Shell_TrayWnd", nullptr,
                                 WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                 kIconSize + 4, nullptr, nullptr, instance, nullptr);
    if (shell == nullptr) {
        std::fprintf(stderr, "CreateWindow failed: %lu\n", GetLastError());
        return 1;
    }
    std::printf("appeared hwnd=%p\n", static_cast<void*>(shell));
    if (announce) {
        const BOOL told =
            PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        std::printf("announced=%d\n", told ? 1 : 0);
    }
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
