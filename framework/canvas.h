#pragma once
#include <string_view>

#include "framework/bitmap.h"
#include "framework/color.h"
#include "framework/font.h"
#include "framework/geometry.h"

namespace vc {

// What controls draw on, in the client coordinates of the window being painted.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void FillRect(const Rect& area, TColor colour) = 0;
    virtual void DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) = 0;
    // Foreground only; `underline` is the index of the character to underline, or -1.
    virtual void DrawText(Point at, std::string_view cp932, const TFont& font, const Rect& clip,
                          int underline) = 0;
};

// Text extents in the font as the platform draws it.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual int TextWidth(std::string_view cp932, const TFont& font) const = 0;
    virtual int TextHeight(const TFont& font) const = 0;
};

}  // namespace vc
