#include <windows.h>
// commdlg.h after windows.h
#include <commdlg.h>

#include "platform/win32/win32_window.h"
#include "platform/win32/win32_window_system.h"

namespace vc {
namespace {

// Centres the dialog horizontally on the monitor of the active window (else of the window
// passed in lCustData) with its top at a third of the free height; nothing else about it
// changes. A hidden active window does not count: the menu that opened the dialog brings
// the hidden application window, at 0,0, to the front, maybe on another monitor than the
// clock's.
UINT_PTR CALLBACK CentreOnInit(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return 0;
    }
    HWND active = GetActiveWindow();
    if (active == nullptr || !IsWindowVisible(active)) {
        active = reinterpret_cast<HWND>(reinterpret_cast<const CHOOSECOLORA*>(lParam)->lCustData);
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT own{};
    GetWindowRect(dialog, &own);
    const RECT& m = monitor.rcMonitor;
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(dialog, nullptr, m.left + (m.right - m.left - width) / 2,
                 m.top + (m.bottom - m.top - height) / 3, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

}  // namespace

std::optional<TColor> Win32WindowSystem::PickColor(TColor initial, std::array<TColor, 16>& custom,
                                                   const NativeWindow& anchor) {
    std::array<COLORREF, 16> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        colours[i] = custom[i];
    }
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ApplicationWindow();
    dialog.rgbResult = initial;
    dialog.lpCustColors = colours.data();
    dialog.Flags = CC_RGBINIT | CC_ENABLEHOOK;
    dialog.lpfnHook = CentreOnInit;
    // Not the hidden application window: it stands at 0,0, maybe on another monitor.
    dialog.lCustData = reinterpret_cast<LPARAM>(static_cast<const Win32Window&>(anchor).Handle());
    const bool chosen = ::ChooseColorA(&dialog) != FALSE;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        custom[i] = colours[i];
    }
    return chosen ? std::optional<TColor>(dialog.rgbResult) : std::nullopt;
}

}  // namespace vc
