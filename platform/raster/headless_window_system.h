#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/bitmap.h"
#include "framework/form.h"
#include "framework/platform.h"
#include "platform/raster/bitmap_font.h"
#include "platform/raster/scripted_desktop.h"
#include "platform/raster/software_canvas.h"

namespace vc {

// A window that exists only in memory: it remembers what was asked of it.
class HeadlessWindowSystem;

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
    Rect bounds_;
    HeadlessWindow* parent_;
    std::string caption_;
    bool shown_ = false;
    bool doubleBuffered_ = false;
    std::vector<Rect> invalidated_;
};

// Windows, timers and menus without a window system: for rendering the strip into a picture
// and for driving the clock window in tests.
class HeadlessWindowSystem : public WindowSystem {
  public:
    explicit HeadlessWindowSystem(const BitmapFont& font) : font_(font), metrics_(font) {}

    std::unique_ptr<NativeWindow> CreateTopLevel(WindowClient& client, const TopLevelStyle& style,
                                                 const Rect& bounds) override;
    std::unique_ptr<NativeWindow> CreateChild(WindowClient& client, const std::string& className,
                                              NativeWindow& parent, const Rect& bounds) override;
    std::unique_ptr<TimerHandle> StartTimer(int intervalMs, std::function<void()> tick) override;
    const TextMetrics& Metrics() const override { return metrics_; }
    Rect MonitorRectNear(const Rect&) const override { return desktop; }
    Rgb ResolveColor(TColor colour) const override { return DefaultSystemColor(colour); }
    int TrackPopupMenu(const std::vector<MenuEntry>& entries, Point at) override;
    void ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) override;
    std::optional<TColor> PickColor(TColor initial, std::array<TColor, 16>& custom,
                                    const NativeWindow& anchor) override;
    void Terminate() override { terminated = true; }
    void ProcessMessages() override { ++messagePasses; }
    std::uintptr_t ApplicationIcon() const override { return kIcon; }
    Desktop& TheDesktop() override { return scripted; }
    NotificationArea& Notifications() override { return tray; }

    // The client area of a top-level window as the screen would show it: the window's own
    // drawing with its child windows on top.
    Bitmap Render(const HeadlessWindow& window) const;
    HeadlessWindow* TopLevel(std::size_t index) const;
    // Runs every timer whose interval is `intervalMs`, once.
    void FireTimers(int intervalMs);
    void Forget(const HeadlessWindow& window);

    struct MenuShown {
        std::vector<MenuEntry> entries;
        Point at;
    };
    std::vector<MenuShown> menus;
    int nextMenuChoice = -1;
    Rect desktop{0, 0, 1920, 1080};
    std::vector<std::string> errorBoxes;  // "title: message"
    static constexpr std::uintptr_t kIcon = 0x1C0;
    ScriptedDesktop scripted;
    RecordingNotificationArea tray;
    // The colour dialog: each opening's preset and the window it opened near, and what the
    // next one answers.
    std::vector<TColor> colourDialogs;
    std::vector<const NativeWindow*> colourDialogsNear;
    std::optional<TColor> nextColourChoice;
    bool terminated = false;
    int messagePasses = 0;

  private:
    struct Timer {
        int intervalMs;
        std::function<void()> tick;
    };
    class Handle;
    void RenderChildren(Bitmap& target, const HeadlessWindow& parent, Point origin) const;

    const BitmapFont& font_;
    BitmapTextMetrics metrics_;
    std::vector<HeadlessWindow*> windows_;  // in creation order; children after parents
    std::map<int, Timer> timers_;
    int nextTimer_ = 1;
};

}  // namespace vc
