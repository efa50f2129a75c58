#pragma once
#include <cstdint>

namespace vc {

// A colour as the platform's colour reference: 0x00BBGGRR, red in the low byte.
// Values with the high bit set name a system colour: its index in the platform's table of
// system colours is in the low byte.
using TColor = std::uint32_t;

inline constexpr TColor kSystemColorBit = 0x80000000;

// The indices of the system colours the program uses.
inline constexpr int kColorActiveCaption = 2;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorBtnFace = 15;
inline constexpr int kColorBtnShadow = 16;
inline constexpr int kColorBtnHighlight = 20;

inline constexpr TColor SystemColor(int index) {
    return kSystemColorBit | static_cast<TColor>(index);
}

inline constexpr bool IsSystemColor(TColor c) {
    return (c & kSystemColorBit) != 0;
}

inline constexpr int SystemColorIndex(TColor c) {
    return static_cast<int>(c & 0xFF);
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clActiveCaption = SystemColor(kColorActiveCaption);
inline constexpr TColor clWindowText = SystemColor(kColorWindowText);
inline constexpr TColor clBtnFace = SystemColor(kColorBtnFace);
inline constexpr TColor clBtnShadow = SystemColor(kColorBtnShadow);
inline constexpr TColor clBtnHighlight = SystemColor(kColorBtnHighlight);

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

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
