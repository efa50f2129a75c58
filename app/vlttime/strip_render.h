#pragma once
#include <memory>
#include <optional>

#include "framework/application.h"
#include "framework/bitmap.h"
#include "framework/seam/local_clock.h"
#include "platform/posix/posix_shell.h"
#include "platform/raster/headless_window_system.h"
#include "window/form_vt555.h"

namespace vc {

// The clock window built from the program's own layout and pictures on a window system
// without windows: for pictures of the strip. Its settings file lies beside `programPath`,
// as the exe's does.
class HeadlessStrip {
  public:
    static constexpr const char* kNoProgram = "/nonexistent/VeltriaClock.exe";

    HeadlessStrip(HeadlessWindowSystem& system, const SystemTime& start,
                  const std::string& programPath = kNoProgram,
                  std::optional<std::string> documentsFolder = std::nullopt);

    TFormVT555& Form() { return *form_; }
    HeadlessWindowSystem& System() { return system_; }
    SetClock& Clock() { return clock_; }
    HeadlessWindow& Window() { return *system_.TopLevel(0); }
    TApplication& Application() { return application_; }
    // The client area as the screen shows it.
    Bitmap Render() { return system_.Render(Window()); }

  private:
    HeadlessWindowSystem& system_;
    TApplication application_;
    SetClock clock_;
    PosixShell shell_;
    std::unique_ptr<TFormVT555> form_;
};

struct StripPicture {
    SystemTime at;
    // Unset: as the settings file has it, or the clock's default.
    std::optional<bool> realTime = std::nullopt;
    std::optional<bool> hour24 = std::nullopt;
    ButtonLook look = ButtonLook::Normal;
    // Of the monitor, 96 at 100 %.
    int dpi = kDesignDpi;
    // The clock's settings are read from beside this program path.
    std::string programPath = HeadlessStrip::kNoProgram;
};

// The strip as the clock shows it at that moment: both lines built for that time.
Bitmap RenderStrip(const StripPicture& picture);

}  // namespace vc
