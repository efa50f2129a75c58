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

// `left + width` as far as an int reaches: a window may be asked to stand at any position a
// stored integer (or a layout) can name, and its far edge must not wrap round.
// (Not `near`: <windows.h> defines that word away, and the Win32 files would then compile
// another function under this name.)
inline int FarEdge(int start, int extent) {
    const std::int64_t edge = std::int64_t{start} + extent;
    return static_cast<int>(std::clamp<std::int64_t>(edge, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

inline Rect Inflate(const Rect& r, int by) {
    return Rect{r.left - by, r.top - by, r.right + by, r.bottom + by};
}

inline Rect RectAt(int left, int top, int width, int height) {
    return Rect{left, top, FarEdge(left, width), FarEdge(top, height)};
}

// The rectangle of `size` at `topLeft`.
inline Rect ClampedRectAt(Point topLeft, Size size) {
    return RectAt(topLeft.x, topLeft.y, size.width, size.height);
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
