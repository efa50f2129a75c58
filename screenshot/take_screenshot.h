#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "framework/seam/desktop.h"
#include "framework/seam/local_clock.h"
#include "framework/seam/shell.h"

namespace vc {

struct ScreenshotTarget {
    std::string folder;  // used as it stands, joined with "\"
    bool saveBmp = false;
};

// The files one capture wrote: one name in one folder, the JPEG always, the BMP when asked.
struct SavedScreenshot {
    std::string folder;
    std::string name;  // without its extension
    bool bmp = false;

    std::string JpegName() const { return name + ".jpg"; }
    std::string BmpName() const { return name + ".bmp"; }
    std::string PathOf(const std::string& fileName) const { return folder + "\\" + fileName; }
};

// Copies the game window's client area and writes the BMP (when asked) and then the JPEG,
// both named after the local time taken after the copy. Nothing when the window has gone.
std::optional<SavedScreenshot> TakeScreenshot(Desktop& desktop, Shell& files,
                                              const LocalClock& clock, WindowId game,
                                              const ScreenshotTarget& target);

}  // namespace vc
