#include "window/desktop_clamp.h"

#include <algorithm>
#include <cstdint>

namespace vc {
namespace {

int KeepWithin(int proposed, int extent, int nearEdge, int farEdge) {
    int at = std::max(proposed, nearEdge);
    if (std::int64_t{at} + extent >= farEdge) {
        at = farEdge - extent;
    }
    return at;
}

}  // namespace

Point KeepOnArea(Point proposed, Size size, const Rect& area) {
    return Point{KeepWithin(proposed.x, size.width, area.left, area.right),
                 KeepWithin(proposed.y, size.height, area.top, area.bottom)};
}

}  // namespace vc
