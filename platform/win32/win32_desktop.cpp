#include "platform/win32/win32_desktop.h"

#include <windows.h>
// shellapi.h after windows.h
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <string>

#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_capture.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_window.h"

namespace vc {

// In units, as the windows are placed.
Point Win32Desktop::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    const Rect units = PixelsToUnits(*ScreenMonitors(), RectAt(p.x, p.y, 1, 1), kDesignDpi);
    return Point{units.left, units.top};
}

namespace {

HWND AsHandle(WindowId window) {
    return reinterpret_cast<HWND>(window);
}

}  // namespace

KeyState Win32Desktop::StateOf(Key key) const {
    static constexpr int kVirtualKeys[] = {VK_LBUTTON, VK_SHIFT, VK_CONTROL, VK_MENU, 'P'};
    const SHORT state = GetKeyState(kVirtualKeys[static_cast<int>(key)]);
    return KeyState{.down = (state & 0x8000) != 0, .toggled = (state & 1) != 0};
}

WindowId Win32Desktop::FindTopLevel(std::string_view className) const {
    return reinterpret_cast<WindowId>(FindWindowA(std::string(className).c_str(), nullptr));
}

WindowId Win32Desktop::ForegroundWindow() const {
    return reinterpret_cast<WindowId>(GetForegroundWindow());
}

std::optional<Size> Win32Desktop::ClientSize(WindowId window) const {
    RECT client{};
    if (!GetClientRect(AsHandle(window), &client)) {
        return std::nullopt;
    }
    return Size{client.right - client.left, client.bottom - client.top};
}

std::unique_ptr<Capture> Win32Desktop::CaptureClient(WindowId window, Size size) {
    auto capture = std::make_unique<Win32Capture>(AsHandle(window), size);
    if (capture->SourceGone()) {
        return nullptr;
    }
    return capture;
}

std::unique_ptr<Capture> Win32Desktop::PrintClient(WindowId window, Size size) {
    auto printed =
        std::make_unique<Win32Capture>(AsHandle(window), size, Win32Capture::Source::Print);
    if (!printed->Filled()) {
        return nullptr;
    }
    return printed;
}

bool Win32Desktop::WindowVisible(WindowId window) const {
    return IsWindowVisible(AsHandle(window)) && !IsIconic(AsHandle(window));
}

// The DPI contexts come with Windows 10 version 1607.
DpiContext Win32Desktop::WindowDpiContext(WindowId window) const {
    using Get = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
    static const auto get = SystemFunction<Get>(L"user32.dll", "GetWindowDpiAwarenessContext");
    return get == nullptr ? 0 : reinterpret_cast<DpiContext>(get(AsHandle(window)));
}

DpiContext Win32Desktop::SetThreadDpiContext(DpiContext context) {
    using Set = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    static const auto set = SystemFunction<Set>(L"user32.dll", "SetThreadDpiAwarenessContext");
    return set == nullptr ? 0
                          : reinterpret_cast<DpiContext>(
                                set(reinterpret_cast<DPI_AWARENESS_CONTEXT>(context)));
}

// The frame's physical width against its width as this program sees it; display scales
// come in steps of a quarter, which also hides the resize borders that only one of the two
// widths counts.
double Win32Desktop::PhysicalScaleOf(WindowId window) const {
    using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    static const auto get = SystemFunction<GetAttribute>(L"dwmapi.dll", "DwmGetWindowAttribute");
    constexpr DWORD kExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS
    RECT seen{};
    RECT physical{};
    if (get == nullptr || !GetWindowRect(AsHandle(window), &seen) ||
        FAILED(get(AsHandle(window), kExtendedFrameBounds, &physical, sizeof physical)) ||
        seen.right <= seen.left || physical.right <= physical.left) {
        return 1.0;
    }
    const double ratio = static_cast<double>(physical.right - physical.left) /
                         static_cast<double>(seen.right - seen.left);
    return std::max(1.0, std::round(ratio * 4.0) / 4.0);
}

StartResult Win32Desktop::StartProcess(const std::string& application, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // The launcher gets the system's error mode, not the clock's quiet one.
    if (!CreateProcessA(application.c_str(), nullptr, nullptr, nullptr, FALSE,
                        CREATE_DEFAULT_ERROR_MODE, nullptr, folder.c_str(), &startup, &process)) {
        constexpr DWORD kElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED
        return GetLastError() == kElevationRequired ? StartResult::NeedsElevation
                                                    : StartResult::Failed;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return StartResult::Started;
}

void Win32Desktop::StartElevated(const std::string& application, const std::string& folder) {
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.lpFile = application.c_str();
    execute.lpDirectory = folder.c_str();
    execute.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&execute);
}

void Win32Desktop::BringToFront(NativeWindow& window) {
    SetForegroundWindow(static_cast<Win32Window&>(window).Handle());
}

// Explorer resolves a relative path against its own folder, not the clock's, so the path is
// made whole first; the Windows folder's explorer.exe, not one found beside the clock.
void Win32Desktop::ShowInFolder(const std::string& file) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(file.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    wchar_t windows[MAX_PATH] = {};
    const UINT folderLength = GetWindowsDirectoryW(windows, MAX_PATH);
    if (folderLength == 0 || folderLength >= MAX_PATH) {
        return;
    }
    const std::wstring explorer = std::wstring(windows) + L"\\explorer.exe";
    std::wstring command = L"\"" + explorer + L"\" /select,\"" + AnsiToWide(full) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(explorer.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

bool Win32NotificationArea::NotifyIcon(TrayAction action, const TrayIcon& icon) {
    static constexpr DWORD kMessages[] = {NIM_ADD, NIM_MODIFY, NIM_DELETE};
    // The first version of the record, which every shell takes; its size follows the
    // pointer size (88 bytes on 32-bit Windows, 104 on x86-64).
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd =
        icon.window != nullptr ? static_cast<Win32Window*>(icon.window)->Handle() : nullptr;
    record.uID = icon.id;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = Win32Window::kTrayNotify;
    record.hIcon = reinterpret_cast<HICON>(icon.icon);
    // The field keeps its terminating zero.
    std::memcpy(record.szTip, icon.tip.data(),
                std::min<std::size_t>(icon.tip.size(), sizeof record.szTip - 1));
    return Shell_NotifyIconA(kMessages[static_cast<int>(action)], &record) != FALSE;
}

namespace {

template <std::size_t N>
void CopyWide(wchar_t (&field)[N], const std::wstring& text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::wmemcpy(field, text.data(), length);
    field[length] = L'\0';
}

}  // namespace

// The wide record: the texts are CP932, which the ANSI record would read in the system's
// code page. The icon keeps its own record: this modify carries the balloon alone.
bool Win32NotificationArea::ShowBalloon(const TrayBalloon& balloon) {
    static_assert(sizeof(NOTIFYICONDATAW) > NOTIFYICONDATAW_V3_SIZE, "Windows Vista's record");
    const bool realTime = balloon.timing == BalloonTiming::NowOrDropped;
    NOTIFYICONDATAW record{};
    // The real-time flag came with Windows Vista's record; the notice keeps the record it had.
    record.cbSize = realTime ? sizeof record : NOTIFYICONDATAW_V2_SIZE;
    record.hWnd =
        balloon.window != nullptr ? static_cast<Win32Window*>(balloon.window)->Handle() : nullptr;
    record.uID = balloon.id;
    record.uFlags = NIF_INFO | (realTime ? NIF_REALTIME : 0);
    CopyWide(record.szInfoTitle, Cp932ToWide(balloon.title));
    CopyWide(record.szInfo, Cp932ToWide(balloon.text));
    // Windows 2000 and XP keep a balloon this long (10 to 30 s); later shells decide alone.
    record.uTimeout = 15'000;
    record.dwInfoFlags = NIIF_INFO;
    return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

}  // namespace vc
