#include "screenshot/screenshot_name.h"

#include "framework/text_format.h"

namespace vc {

std::string ScreenshotName(const SystemTime& time) {
    return Printf("vlt_%d%.2d%.2d_%.2d%.2d%.2d_%.4d", time.wYear, time.wMonth, time.wDay,
                  time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
}

}  // namespace vc
