#pragma once
#include <map>

#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "framework/dpi_scale.h"

namespace vc {

// The picture at another size. A whole multiple repeats each pixel (the pixel art stays
// sharp); any other size gives each new pixel the average of the old ones it covers, by
// area, so edges stay where they were and only the pixels across them are mixed.
Bitmap ScalePicture(const Bitmap& picture, Size size);

// Keeps each picture scaled once: a picture drawn again unchanged at the same size is not
// scaled again.
class ScaledPictures {
  public:
    const Bitmap& At(const Bitmap& picture, Size size);

  private:
    struct Kept {
        Bitmap source;
        Bitmap scaled;
    };
    std::map<const Bitmap*, Kept> kept_;
};

// Draws what the controls draw in units as pixels of a screen of another DPI: areas and
// places scaled, pictures scaled once, texts in a font made at the scaled height.
class ScaledCanvas final : public Canvas {
  public:
    ScaledCanvas(Canvas& pixels, DpiScale scale, ScaledPictures& pictures)
        : pixels_(pixels), scale_(scale), pictures_(pictures) {}

    void FillRect(const Rect& area, TColor colour) override;
    void DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) override;
    void DrawText(Point at, std::string_view cp932, const TFont& font, const Rect& clip,
                  int underline) override;

  private:
    Canvas& pixels_;
    DpiScale scale_;
    ScaledPictures& pictures_;
};

// The font at the scale: a height in pixels scaled, one in points left to the system.
TFont ScaledFont(const TFont& font, DpiScale scale);

}  // namespace vc
