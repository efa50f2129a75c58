#pragma once
#include <string>

#include "framework/color.h"

namespace vc {

inline constexpr int kShiftJisCharset = 128;

struct TFont {
    std::string Name;  // CP932
    int Height = -12;  // negative: character height in pixels
    int Charset = kShiftJisCharset;
    TColor Color = clWindowText;
    bool Bold = false;
    bool Italic = false;

    friend bool operator==(const TFont&, const TFont&) = default;
};

}  // namespace vc
