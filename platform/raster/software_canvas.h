#pragma once
#include "framework/bitmap.h"
#include "framework/canvas.h"
#include "platform/raster/bitmap_font.h"

namespace vc {

// The colours Windows shows for system colours by default, for drawing without Windows.
Rgb DefaultSystemColor(TColor colour);

// Draws into a picture in memory, with the 12-dot bitmap font; text asked for at another
// pixel height is that font's drawing with each dot repeated to the height (a stand-in for
// the outline fonts Windows scales).
class SoftwareCanvas final : public Canvas {
  public:
    SoftwareCanvas(Bitmap& target, const BitmapFont& font, Point origin = {})
        : target_(target), font_(font), origin_(origin) {}

    void FillRect(const Rect& area, TColor colour) override;
    void DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) override;
    void DrawText(Point at, std::string_view cp932, const TFont& font, const Rect& clip,
                  int underline) override;

  private:
    void DrawTextAtHeight(Point origin, std::string_view cp932, Rgb colour, int height,
                          const Rect& clip, int underline);
    Rect ToTarget(const Rect& r) const { return Offset(r, origin_.x, origin_.y); }

    Bitmap& target_;
    const BitmapFont& font_;
    Point origin_;  // where the canvas's (0, 0) lies in the target
};

class BitmapTextMetrics final : public TextMetrics {
  public:
    explicit BitmapTextMetrics(const BitmapFont& font) : font_(font) {}
    int TextWidth(std::string_view cp932, const TFont&) const override {
        return font_.MeasureWidth(cp932);
    }
    int TextHeight(const TFont&) const override { return BitmapFont::kLineHeight; }

  private:
    const BitmapFont& font_;
};

}  // namespace vc
