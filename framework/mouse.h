#pragma once

namespace vc {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

}  // namespace vc
