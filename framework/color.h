#pragma once
#include <cstdint>

namespace vc {

// A colour as the platform's colour reference: 0x00BBGGRR, red in the low byte.
// Values with the high bit set name a system colour.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clActiveCaption = 0x80000002;

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr bool IsSystemColor(TColor c) {
    return (c & 0x80000000u) != 0;
}

// Only plain colours; system colours are resolved by the platform.
inline constexpr Rgb ToRgb(TColor c) {
    return Rgb{static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
               static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

inline constexpr TColor ToTColor(Rgb c) {
    return static_cast<TColor>(c.r) | static_cast<TColor>(c.g) << 8 |
           static_cast<TColor>(c.b) << 16;
}

}  // namespace vc
