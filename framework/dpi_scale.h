#pragma once
#include <cstdint>
#include <vector>

#include "framework/geometry.h"

namespace vc {

// The layout, the program's places and the settings file count in units of a 96-DPI screen;
// a monitor of another DPI shows each unit as DPI / 96 pixels.
inline constexpr int kDesignDpi = 96;

class DpiScale {
  public:
    constexpr DpiScale() = default;
    constexpr explicit DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr bool IsDesign() const { return dpi_ == kDesignDpi; }

    // Rounded to the nearest pixel, halves away from zero, as Windows' MulDiv does.
    constexpr int Px(int units) const { return Rounded(std::int64_t{units} * dpi_, kDesignDpi); }
    constexpr int Units(int px) const { return Rounded(std::int64_t{px} * kDesignDpi, dpi_); }
    constexpr Point Px(Point p) const { return {Px(p.x), Px(p.y)}; }
    constexpr Size Px(Size s) const { return {Px(s.width), Px(s.height)}; }
    // Each edge on its own, so that neighbouring areas stay neighbours.
    constexpr Rect Px(const Rect& r) const {
        return {Px(r.left), Px(r.top), Px(r.right), Px(r.bottom)};
    }
    constexpr Point Units(Point p) const { return {Units(p.x), Units(p.y)}; }
    constexpr Size Units(Size s) const { return {Units(s.width), Units(s.height)}; }
    // The units an area of pixels touches, wholly.
    constexpr Rect UnitsCovering(const Rect& r) const {
        return {Floor(std::int64_t{r.left} * kDesignDpi, dpi_),
                Floor(std::int64_t{r.top} * kDesignDpi, dpi_),
                -Floor(-std::int64_t{r.right} * kDesignDpi, dpi_),
                -Floor(-std::int64_t{r.bottom} * kDesignDpi, dpi_)};
    }

    friend constexpr bool operator==(const DpiScale&, const DpiScale&) = default;

  private:
    static constexpr int Rounded(std::int64_t value, int by) {
        const std::int64_t half = by / 2;
        return static_cast<int>(value >= 0 ? (value + half) / by : -((-value + half) / by));
    }
    static constexpr int Floor(std::int64_t value, int by) {
        return static_cast<int>(value >= 0 ? value / by : -((-value + by - 1) / by));
    }

    int dpi_ = kDesignDpi;
};

// Whether `candidate` suits `area` better than `best` as Windows picks a monitor for a
// rectangle: it overlaps more of it, or, where neither overlaps it, it lies nearer.
bool SuitsBetter(const Rect& candidate, const Rect& best, const Rect& area);

// The monitor (of `areaOf` each) that suits `area` best; the first on a tie.
template <typename Monitor, typename AreaOf>
const Monitor& NearestMonitor(const std::vector<Monitor>& monitors, const Rect& area,
                              AreaOf areaOf) {
    const Monitor* best = &monitors.front();
    for (const Monitor& monitor : monitors) {
        if (SuitsBetter(areaOf(monitor), areaOf(*best), area)) {
            best = &monitor;
        }
    }
    return *best;
}

// A monitor as the system reports it to a per-monitor-aware program: pixels, and its DPI.
struct MonitorScale {
    Rect pixels;
    int dpi = kDesignDpi;

    friend bool operator==(const MonitorScale&, const MonitorScale&) = default;
};

// The screen in units. Each monitor keeps its top-left corner and shows its size in units of
// its own DPI (rounded down, so that a window within it in units is within it in pixels): on
// one monitor at the screen's origin the units are the pixels divided by the scale, as
// Windows shows the screen to a program unaware of DPI; with several, a place in units lies
// on the monitor it was on, whatever their scales.
Rect UnitsOf(const MonitorScale& monitor);
// The monitor an area of units overlaps most, or else the nearest; the first on a tie.
const MonitorScale& MonitorOfUnits(const std::vector<MonitorScale>& monitors, const Rect& units);
// The same for an area of pixels.
const MonitorScale& MonitorOfPixels(const std::vector<MonitorScale>& monitors, const Rect& pixels);
// Where a window of units goes in pixels, and the DPI of its monitor there.
struct PixelPlace {
    Rect pixels;
    int dpi = kDesignDpi;
};
// A window's place in units to pixels: its top-left through the monitor it lies on, its size
// at that monitor's DPI. A window wholly inside its monitor in units stays wholly inside it
// in pixels, whatever the rounding.
PixelPlace UnitsToPixels(const std::vector<MonitorScale>& monitors, const Rect& units);
// A window's place in pixels to units: its top-left through its monitor, its size at `dpi`.
Rect PixelsToUnits(const std::vector<MonitorScale>& monitors, const Rect& pixels, int dpi);

}  // namespace vc
