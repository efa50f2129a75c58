#pragma once
#include <memory>

#include "framework/application.h"
#include "framework/bitmap.h"
#include "framework/platform.h"
#include "platform/raster/headless_window_system.h"
#include "window/form_vt555.h"

namespace vc {

// A clock whose time is set by hand.
class SetClock final : public LocalClock {
  public:
    explicit SetClock(const SystemTime& now) : now_(now) {}
    SystemTime Now() const override { return now_; }
    void Set(const SystemTime& now) { now_ = now; }

  private:
    SystemTime now_;
};

// The clock window built from the program's own layout and pictures, without a window
// system: for pictures of the strip and for tests.
class HeadlessStrip {
  public:
    explicit HeadlessStrip(const SystemTime& start);

    TFormVT555& Form() { return *form_; }
    HeadlessWindowSystem& System() { return system_; }
    SetClock& Clock() { return clock_; }
    HeadlessWindow& Window() { return *system_.TopLevel(0); }
    // The client area as the screen shows it.
    Bitmap Render() { return system_.Render(Window()); }

    // The 12-dot font, loaded once per process.
    static const BitmapFont& Font();

  private:
    HeadlessWindowSystem system_;
    TApplication application_;
    SetClock clock_;
    std::unique_ptr<TFormVT555> form_;
};

struct StripPicture {
    SystemTime at;
    int width = kNarrowWidth;
    bool hour24 = true;
    ButtonLook look = ButtonLook::Normal;
};

// The strip as the clock shows it at that moment: both lines built for that time.
Bitmap RenderStrip(const StripPicture& picture);

}  // namespace vc
