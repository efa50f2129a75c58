#include "platform/raster/headless_window_system.h"

#include <algorithm>

#include <iostream>
#include "framework/scaled_canvas.h"

namespace vc {

HeadlessWindow::~HeadlessWindow() {
    system_.Forget(*this);
}

void HeadlessWindow::SystemPlaces(Point topLeft, Size size) {
    ++placements_;
    if (parent_ == nullptr) {
        client_.PositionChanging(topLeft);
    }
    bounds_ = ClampedRectAt(topLeft, size);
    client_.BoundsChanged(bounds_);
}

class HeadlessWindowSystem::Handle final : public TimerHandle {
  public:
    Handle(std::map<int, Timer>& timers, int id) : timers_(timers), id_(id) {}
    ~Handle() override { timers_.erase(id_); }

  private:
    std::map<int, Timer>& timers_;
    int id_;
};

std::unique_ptr<NativeWindow> HeadlessWindowSystem::CreateTopLevel(WindowClient& client,
                                                                   const TopLevelStyle&,
                                                                   const Rect& bounds) {
    auto window = std::make_unique<HeadlessWindow>(*this, client, bounds, nullptr);
    windows_.push_back(window.get());
    return window;
}

std::unique_ptr<NativeWindow> HeadlessWindowSystem::CreateChild(WindowClient& client,
                                                                const std::string&,
                                                                NativeWindow& parent,
                                                                const Rect& bounds) {
    auto window = std::make_unique<HeadlessWindow>(*this, client, bounds,
                                                   static_cast<HeadlessWindow*>(&parent));
    windows_.push_back(window.get());
    return window;
}

void HeadlessWindowSystem::Forget(const HeadlessWindow& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

std::unique_ptr<TimerHandle> HeadlessWindowSystem::StartTimer(int intervalMs,
                                                              std::function<void()> tick) {
    const int id = nextTimer_++;
    timers_[id] = Timer{intervalMs, std::move(tick)};
    return std::make_unique<Handle>(timers_, id);
}

// As Windows picks a monitor for a rectangle, the nearest where it overlaps none.
Rect HeadlessWindowSystem::MonitorRectNear(const Rect& area) const {
    return NearestMonitor(monitors, area, [](const Rect& monitor) { return monitor; });
}

void HeadlessWindowSystem::FireTimers(int intervalMs) {
    std::vector<std::function<void()>> due;
    for (const auto& [id, timer] : timers_) {
        if (timer.intervalMs == intervalMs) {
            due.push_back(timer.tick);
        }
    }
    for (const auto& tick : due) {
        tick();
    }
}

void HeadlessWindowSystem::ShowErrorBox(const PiecedText& message, std::string_view ansiTitle) {
    std::cerr << ansiTitle << ": " << Joined(message) << "\n";
}

HeadlessWindow* HeadlessWindowSystem::TopLevel(std::size_t index) const {
    std::size_t seen = 0;
    for (HeadlessWindow* window : windows_) {
        if (window->Parent() == nullptr && seen++ == index) {
            return window;
        }
    }
    return nullptr;
}

// At another DPI each window is drawn at its place and size in pixels, as the system places
// a window of a per-monitor-aware program.
Bitmap HeadlessWindowSystem::Render(const HeadlessWindow& window) const {
    const Rect bounds = window.Bounds();
    const Size size = Scale().Px(Size{bounds.Width(), bounds.Height()});
    Bitmap picture(size.width, size.height);
    PaintAt(picture, window, Point{0, 0});
    RenderChildren(picture, window, Point{0, 0});
    return picture;
}

void HeadlessWindowSystem::PaintAt(Bitmap& target, const HeadlessWindow& window,
                                   Point pixelOrigin) const {
    const Rect bounds = window.Bounds();
    const Rect client{0, 0, bounds.Width(), bounds.Height()};
    SoftwareCanvas pixels(target, font_, pixelOrigin);
    if (Scale().IsDesign()) {
        window.Client().PaintWindow(pixels, client);
        return;
    }
    ScaledCanvas scaled(pixels, Scale(), pictures_);
    window.Client().PaintWindow(scaled, client);
}

void HeadlessWindowSystem::RenderChildren(Bitmap& target, const HeadlessWindow& parent,
                                          Point origin) const {
    for (HeadlessWindow* child : windows_) {
        if (child->Parent() != &parent || !child->Shown()) {
            continue;
        }
        const Point place = Scale().Px(Point{child->Bounds().left, child->Bounds().top});
        const Point at{origin.x + place.x, origin.y + place.y};
        PaintAt(target, *child, at);
        RenderChildren(target, *child, at);
    }
}

}  // namespace vc
