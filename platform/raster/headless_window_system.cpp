#include "platform/raster/headless_window_system.h"

#include <algorithm>
#include <iostream>

namespace vc {

HeadlessWindow::~HeadlessWindow() {
    system_.Forget(*this);
}

void HeadlessWindow::SystemPlaces(Point topLeft, Size size) {
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

Bitmap HeadlessWindowSystem::Render(const HeadlessWindow& window) const {
    const Rect bounds = window.Bounds();
    Bitmap picture(bounds.Width(), bounds.Height());
    SoftwareCanvas canvas(picture, font_);
    window.Client().PaintWindow(canvas, Rect{0, 0, bounds.Width(), bounds.Height()});
    RenderChildren(picture, window, Point{0, 0});
    return picture;
}

void HeadlessWindowSystem::RenderChildren(Bitmap& target, const HeadlessWindow& parent,
                                          Point origin) const {
    for (HeadlessWindow* child : windows_) {
        if (child->Parent() != &parent || !child->Shown()) {
            continue;
        }
        const Rect bounds = child->Bounds();
        const Point at{origin.x + bounds.left, origin.y + bounds.top};
        SoftwareCanvas canvas(target, font_, at);
        child->Client().PaintWindow(canvas, Rect{0, 0, bounds.Width(), bounds.Height()});
        RenderChildren(target, *child, at);
    }
}

}  // namespace vc
