#include "framework/dpi_scale.h"

#include <algorithm>

namespace vc {
namespace {

std::int64_t Overlap(const Rect& a, const Rect& b) {
    const std::int64_t w = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t h = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

std::int64_t Gap(int aFrom, int aTo, int bFrom, int bTo) {
    return std::max<std::int64_t>({0, std::int64_t{bFrom} - aTo, std::int64_t{aFrom} - bTo});
}

std::int64_t SquaredDistance(const Rect& a, const Rect& b) {
    const std::int64_t dx = Gap(a.left, a.right, b.left, b.right);
    const std::int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

// As Windows picks the monitor of a rectangle.
template <typename AreaOf>
const MonitorScale& Nearest(const std::vector<MonitorScale>& monitors, const Rect& area,
                            AreaOf areaOf) {
    const MonitorScale* best = &monitors.front();
    for (const MonitorScale& monitor : monitors) {
        const std::int64_t overlap = Overlap(areaOf(monitor), area);
        const std::int64_t bestOverlap = Overlap(areaOf(*best), area);
        if (overlap > bestOverlap ||
            (overlap == 0 && bestOverlap == 0 &&
             SquaredDistance(areaOf(monitor), area) < SquaredDistance(areaOf(*best), area))) {
            best = &monitor;
        }
    }
    return *best;
}

int FloorDiv(std::int64_t value, int by) {
    return static_cast<int>(value >= 0 ? value / by : -((-value + by - 1) / by));
}

}  // namespace

Rect UnitsOf(const MonitorScale& monitor) {
    const Rect& p = monitor.pixels;
    const int dpi = DpiScale(monitor.dpi).Dpi();
    return {p.left, p.top, p.left + FloorDiv(std::int64_t{p.Width()} * kDesignDpi, dpi),
            p.top + FloorDiv(std::int64_t{p.Height()} * kDesignDpi, dpi)};
}

const MonitorScale& MonitorOfUnits(const std::vector<MonitorScale>& monitors, const Rect& units) {
    return Nearest(monitors, units, [](const MonitorScale& m) { return UnitsOf(m); });
}

const MonitorScale& MonitorOfPixels(const std::vector<MonitorScale>& monitors, const Rect& pixels) {
    return Nearest(monitors, pixels, [](const MonitorScale& m) { return m.pixels; });
}

PixelPlace UnitsToPixels(const std::vector<MonitorScale>& monitors, const Rect& units) {
    const MonitorScale& monitor = MonitorOfUnits(monitors, units);
    const DpiScale scale(monitor.dpi);
    const Rect& m = monitor.pixels;
    const Size size = scale.Px(Size{units.Width(), units.Height()});
    Point at{m.left + scale.Px(units.left - m.left), m.top + scale.Px(units.top - m.top)};
    const Rect inUnits = UnitsOf(monitor);
    if (units.left >= inUnits.left && units.right <= inUnits.right) {
        at.x = std::clamp(at.x, m.left, std::max(m.left, m.right - size.width));
    }
    if (units.top >= inUnits.top && units.bottom <= inUnits.bottom) {
        at.y = std::clamp(at.y, m.top, std::max(m.top, m.bottom - size.height));
    }
    return {RectAt(at.x, at.y, size.width, size.height), scale.Dpi()};
}

Rect PixelsToUnits(const std::vector<MonitorScale>& monitors, const Rect& pixels, int dpi) {
    const Rect& m = MonitorOfPixels(monitors, pixels).pixels;
    const DpiScale monitorScale(MonitorOfPixels(monitors, pixels).dpi);
    const Size size = DpiScale(dpi).Units(Size{pixels.Width(), pixels.Height()});
    return RectAt(m.left + monitorScale.Units(pixels.left - m.left),
                  m.top + monitorScale.Units(pixels.top - m.top), size.width, size.height);
}

}  // namespace vc
