#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/bitmap.h"
#include "framework/scaled_canvas.h"
#include "framework/seam/window_system.h"
#include "platform/raster/bitmap_font.h"
#include "platform/raster/software_canvas.h"

namespace vc {

class HeadlessWindowSystem;

// A window that exists only in memory: it remembers what was asked of it.
class HeadlessWindow final : public NativeWindow {
  public:
    HeadlessWindow(HeadlessWindowSystem& system, WindowClient& client, const Rect& bounds,
                   HeadlessWindow* parent)
        : system_(system), client_(client), bounds_(bounds), parent_(parent) {}
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    // The program's request takes the system's path (SystemPlaces).
    void Place(Point topLeft, Size size) override { SystemPlaces(topLeft, size); }
    Rect Bounds() const override { return bounds_; }
    void SetCaption(std::string_view cp932) override { caption_ = cp932; }
    void Invalidate(const Rect& area) override { invalidated_.push_back(area); }
    void SetDoubleBuffered(bool on) override { doubleBuffered_ = on; }
    void Show() override { shown_ = true; }

    // The system moves the window as when the user drags it: a top-level window's client
    // may adjust the position first, then hears where it went.
    void SystemMoves(Point topLeft) {
        SystemPlaces(topLeft, Size{bounds_.Width(), bounds_.Height()});
    }
    void SystemPlaces(Point topLeft, Size size);
    // The system tells a top-level window that the displays changed (set the window
    // system's monitors first).
    void DisplaysChange() { client_.DisplayChanged(); }
    // How often the window was placed, by the program or the system.
    int Placements() const { return placements_; }

    WindowClient& Client() const { return client_; }
    HeadlessWindow* Parent() const { return parent_; }
    const std::string& Caption() const { return caption_; }
    bool Shown() const { return shown_; }
    bool DoubleBuffered() const { return doubleBuffered_; }
    // Rectangles asked to be redrawn since the last call.
    std::vector<Rect> TakeInvalidated() { return std::exchange(invalidated_, {}); }

  private:
    HeadlessWindowSystem& system_;
    WindowClient& client_;
    int placements_ = 0;
    Rect bounds_;
    HeadlessWindow* parent_;
    std::string caption_;
    bool shown_ = false;
    bool doubleBuffered_ = false;
    std::vector<Rect> invalidated_;
};

// Windows and timers without a window system, for rendering the strip into a picture. Nobody
// is there to answer: menus choose nothing, the colour dialog is cancelled, error boxes go to
// the error stream.
class HeadlessWindowSystem : public WindowSystem {
  public:
    HeadlessWindowSystem(const BitmapFont& font, Desktop& theDesktop, NotificationArea& tray)
        : font_(font), metrics_(font), desktop_(theDesktop), tray_(tray) {}

    std::unique_ptr<NativeWindow> CreateTopLevel(WindowClient& client, const TopLevelStyle& style,
                                                 const Rect& bounds) override;
    std::unique_ptr<NativeWindow> CreateChild(WindowClient& client, const std::string& className,
                                              NativeWindow& parent, const Rect& bounds) override;
    std::unique_ptr<TimerHandle> StartTimer(int intervalMs, std::function<void()> tick) override;
    const TextMetrics& Metrics() const override { return metrics_; }
    // The monitor the area overlaps most, or else the one nearest to it; the first on a tie.
    Rect MonitorRectNear(const Rect& area) const override;
    Rgb ResolveColor(TColor colour) const override { return DefaultSystemColor(colour); }
    bool DoubleByteCodePage() const override { return doubleByteCodePage; }
    int TrackPopupMenu(const std::vector<MenuEntry>&, Point) override { return -1; }
    void ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) override;
    std::optional<TColor> PickColor(TColor, std::array<TColor, 16>&, const NativeWindow&) override {
        return std::nullopt;
    }
    void Terminate() override {}
    void ProcessMessages() override {}
    std::uintptr_t ApplicationIcon() const override { return kIcon; }
    Desktop& TheDesktop() override { return desktop_; }
    NotificationArea& Notifications() override { return tray_; }

    // The client area of a top-level window as the screen would show it: the window's own
    // drawing with its child windows on top, in pixels of a screen of `dpi`.
    Bitmap Render(const HeadlessWindow& window) const;
    HeadlessWindow* TopLevel(std::size_t index) const;
    // Runs every timer whose interval is `intervalMs`, once.
    void FireTimers(int intervalMs);
    void Forget(const HeadlessWindow& window);

    static constexpr std::uintptr_t kIcon = 0x1C0;
    // One monitor of 1920 x 1080, unless a test sets others.
    static inline const std::vector<Rect> kOneMonitor{Rect{0, 0, 1920, 1080}};
    // The primary first.
    std::vector<Rect> monitors = kOneMonitor;
    // Of the screen the windows are drawn for.
    int dpi = kDesignDpi;
    // The Japanese system the captions are written for.
    bool doubleByteCodePage = true;

  private:
    struct Timer {
        int intervalMs;
        std::function<void()> tick;
    };
    class Handle;
    void RenderChildren(Bitmap& target, const HeadlessWindow& parent, Point origin) const;
    void PaintAt(Bitmap& target, const HeadlessWindow& window, Point pixelOrigin) const;
    DpiScale Scale() const { return DpiScale(dpi); }

    mutable ScaledPictures pictures_;

    const BitmapFont& font_;
    BitmapTextMetrics metrics_;
    Desktop& desktop_;
    NotificationArea& tray_;
    std::vector<HeadlessWindow*> windows_;  // in creation order; children after parents
    std::map<int, Timer> timers_;
    int nextTimer_ = 1;
};

}  // namespace vc
