#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

namespace vc {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom edges exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

inline Rect RectAt(int left, int top, int width, int height) {
    return Rect{left, top, left + width, top + height};
}

// `left + width` as far as an int reaches: a window may be asked to stand at any position a
// stored integer can name, and its far edge must not wrap round.
inline int FarEdge(int near, int extent) {
    const std::int64_t edge = std::int64_t{near} + extent;
    return static_cast<int>(std::clamp<std::int64_t>(edge, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// The rectangle of `size` at `topLeft`, its far edges held within the int range.
inline Rect ClampedRectAt(Point topLeft, Size size) {
    return Rect{topLeft.x, topLeft.y, FarEdge(topLeft.x, size.width),
                FarEdge(topLeft.y, size.height)};
}

inline Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.Empty() ? Rect{} : r;
}

inline Rect Offset(const Rect& r, int dx, int dy) {
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace vc
