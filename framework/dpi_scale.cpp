#include "framework/dpi_scale.h"

#include <algorithm>

namespace vc {
namespace {

std::int64_t Overlap(const Rect& a, const Rect& b) {
    const std::int64_t w = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t h = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// The gap between the rectangles along one axis; 0 where they overlap on it.
std::int64_t Gap(int aFrom, int aTo, int bFrom, int bTo) {
    return std::max<std::int64_t>({0, std::int64_t{bFrom} - aTo, std::int64_t{aFrom} - bTo});
}

std::int64_t SquaredDistance(const Rect& a, const Rect& b) {
    const std::int64_t dx = Gap(a.left, a.right, b.left, b.right);
    const std::int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

int FloorDiv(std::int64_t value, int by) {
    return static_cast<int>(value >= 0 ? value / by : -((-value + by - 1) / by));
}

}  // namespace

bool SuitsBetter(const Rect& candidate, const Rect& best, const Rect& area) {
    const std::int64_t overlap = Overlap(candidate, area);
    const std::int64_t bestOverlap = Overlap(best, area);
    return overlap > bestOverlap ||
           (overlap == 0 && bestOverlap == 0 &&
            SquaredDistance(candidate, area) < SquaredDistance(best, area));
}

Rect UnitsOf(const MonitorScale& monitor) {
    const Rect& p = monitor.pixels;
    const int dpi = DpiScale(monitor.dpi).Dpi();
    return {p.left, p.top, p.left + FloorDiv(std::int64_t{p.Width()} * kDesignDpi, dpi),
            p.top + FloorDiv(std::int64_t{p.Height()} * kDesignDpi, dpi)};
}

const MonitorScale& MonitorOfUnits(const std::vector<MonitorScale>& monitors, const Rect& units) {
    return NearestMonitor(monitors, units, [](const MonitorScale& m) { return UnitsOf(m); });
}

const MonitorScale& MonitorOfPixels(const std::vector<MonitorScale>& monitors, const Rect& pixels) {
    return NearestMonitor(monitors, pixels, [](const MonitorScale& m) { return m.pixels; });
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
    const MonitorScale& monitor = MonitorOfPixels(monitors, pixels);
    const Rect& m = monitor.pixels;
    const DpiScale monitorScale(monitor.dpi);
    const Size size = DpiScale(dpi).Units(Size{pixels.Width(), pixels.Height()});
    return RectAt(m.left + monitorScale.Units(pixels.left - m.left),
                  m.top + monitorScale.Units(pixels.top - m.top), size.width, size.height);
}

}  // namespace vc
