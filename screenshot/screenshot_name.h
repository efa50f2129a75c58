#pragma once
#include <string>

#include "framework/system_time.h"

namespace vc {

// "vlt_" YYYYMMDD "_" hhmmss "_" and the milliseconds in four digits; always 24-hour.
std::string ScreenshotName(const SystemTime& time);

}  // namespace vc
