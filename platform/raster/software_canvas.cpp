#include "platform/raster/software_canvas.h"

namespace vc {

Rgb DefaultSystemColor(TColor colour) {
    if (!IsSystemColor(colour)) {
        return ToRgb(colour);
    }
    switch (SystemColorIndex(colour)) {
        case kColorActiveCaption:
            return Rgb{0x99, 0xB4, 0xD1};
        case kColorBtnFace:
            return Rgb{0xF0, 0xF0, 0xF0};
        case kColorBtnShadow:
            return Rgb{0xA0, 0xA0, 0xA0};
        case kColorBtnHighlight:
            return Rgb{0xFF, 0xFF, 0xFF};
        default:  // window text and the rest
            return Rgb{0, 0, 0};
    }
}

void SoftwareCanvas::FillRect(const Rect& area, TColor colour) {
    target_.Fill(ToTarget(area), DefaultSystemColor(colour));
}

void SoftwareCanvas::DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) {
    const Rect visible = Intersect(RectAt(at.x, at.y, picture.Width(), picture.Height()), clip);
    const Rect inTarget =
        Intersect(ToTarget(visible), Rect{0, 0, target_.Width(), target_.Height()});
    for (int y = inTarget.top; y < inTarget.bottom; ++y) {
        for (int x = inTarget.left; x < inTarget.right; ++x) {
            target_.At(x, y) = picture.At(x - origin_.x - at.x, y - origin_.y - at.y);
        }
    }
}

void SoftwareCanvas::DrawText(Point at, std::string_view cp932, const TFont& font, const Rect& clip,
                              int underline) {
    const Point origin{at.x + origin_.x, at.y + origin_.y};
    const Rgb colour = DefaultSystemColor(font.Color);
    font_.Draw(target_, origin, cp932, colour, ToTarget(clip));
    if (underline >= 0) {
        font_.DrawUnderline(target_, origin, cp932, static_cast<std::size_t>(underline), colour,
                            ToTarget(clip));
    }
}

}  // namespace vc
