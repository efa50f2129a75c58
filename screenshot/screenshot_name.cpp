#include "screenshot/screenshot_name.h"

#include <cstdio>

namespace vc {

std::string ScreenshotName(const SystemTime& time) {
    char name[64];
    std::snprintf(name, sizeof name, "vlt_%d%.2d%.2d_%.2d%.2d%.2d_%.4d", time.wYear, time.wMonth,
                  time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
    return name;
}

}  // namespace vc
