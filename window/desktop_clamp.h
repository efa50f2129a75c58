#pragma once
#include "framework/geometry.h"

namespace vc {

// Where a window of `size` proposed at `proposed` stands so that it stays on `area`: a
// negative offset from the area's top-left becomes 0, and an edge that reaches or passes
// the far side is pulled back flush with it. Any int position is taken: the sums are made
// wide, so a far-off stored position lands on the area too.
Point KeepOnArea(Point proposed, Size size, const Rect& area);

}  // namespace vc
