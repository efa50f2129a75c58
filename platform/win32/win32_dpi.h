#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/dpi_scale.h"

namespace vc {

// The DPI a window is drawn at (its monitor's for a per-monitor-aware program); 96 where the
// system cannot say.
int DpiOfWindow(HWND window);

// The monitors in pixels with their DPIs, the primary first. Asked of the system once and
// kept until ScreenChanged: the game clock's tick asks for them with every look at the
// cursor.
std::shared_ptr<const std::vector<MonitorScale>> ScreenMonitors();
// The displays, a monitor's scale or the work area changed: the monitors are asked again.
void ScreenChanged();

}  // namespace vc
