#pragma once
#include <windows.h>

#include <vector>

#include "framework/dpi_scale.h"

namespace vc {

// The DPI a window is drawn at (its monitor's for a per-monitor-aware program); 96 where the
// system cannot say.
int DpiOfWindow(HWND window);

// The monitors in pixels with their DPIs, the primary first.
std::vector<MonitorScale> ScreenMonitors();

}  // namespace vc
