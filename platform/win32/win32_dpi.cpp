#include "platform/win32/win32_dpi.h"

#include <mutex>

#include "platform/win32/system_function.h"

namespace vc {
namespace {

// GetDpiForWindow is Windows 10 1607's, GetDpiForMonitor Windows 8.1's: both looked up.
UINT SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : kDesignDpi;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return static_cast<UINT>(dpi > 0 ? dpi : kDesignDpi);
}

UINT DpiOfMonitor(HMONITOR monitor) {
    using Get = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto get = SystemFunction<Get>(L"shcore.dll", "GetDpiForMonitor");
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0;
    UINT y = 0;
    if (get != nullptr && SUCCEEDED(get(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
        return x;
    }
    return SystemDpi();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        const MonitorScale scale{Rect{r.left, r.top, r.right, r.bottom},
                                 static_cast<int>(DpiOfMonitor(monitor))};
        auto& monitors = *reinterpret_cast<std::vector<MonitorScale>*>(found);
        if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
            monitors.insert(monitors.begin(), scale);
        } else {
            monitors.push_back(scale);
        }
    }
    return TRUE;
}

}  // namespace

int DpiOfWindow(HWND window) {
    using Get = UINT(WINAPI*)(HWND);
    static const auto get = SystemFunction<Get>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi = get != nullptr && window != nullptr
                         ? get(window)
                         : DpiOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
    return dpi > 0 ? static_cast<int>(dpi) : kDesignDpi;
}

namespace {

std::vector<MonitorScale> AskMonitors() {
    std::vector<MonitorScale> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {
        monitors.push_back(
            {Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
             static_cast<int>(SystemDpi())});
    }
    return monitors;
}

std::mutex keptLock;
// Shared, so that a copy costs no allocation.
std::shared_ptr<const std::vector<MonitorScale>> kept;

}  // namespace

std::shared_ptr<const std::vector<MonitorScale>> ScreenMonitors() {
    const std::lock_guard<std::mutex> hold(keptLock);
    if (!kept) {
        kept = std::make_shared<const std::vector<MonitorScale>>(AskMonitors());
    }
    return kept;
}

void ScreenChanged() {
    const std::lock_guard<std::mutex> hold(keptLock);
    kept.reset();
}

}  // namespace vc
