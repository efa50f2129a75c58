#pragma once
#include "framework/component.h"

namespace vc {

// The flags of a TShiftState, with the values the original mouse events carry.
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState ssLeft = 8;
inline constexpr TShiftState ssRight = 16;
inline constexpr TShiftState ssMiddle = 32;

}  // namespace vc
