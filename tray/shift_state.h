#pragma once
#include "framework/component.h"

namespace vc {

// The flags of a TShiftState, with the values the original mouse events carry; only the
// buttons the tray's events report are named.
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssMiddle = 32;

}  // namespace vc
