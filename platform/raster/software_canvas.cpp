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
    if (font.Height < 0 && -font.Height != BitmapFont::kLineHeight) {
        DrawTextAtHeight(origin, cp932, colour, -font.Height, ToTarget(clip), underline);
        return;
    }
    font_.Draw(target_, origin, cp932, colour, ToTarget(clip));
    if (underline >= 0) {
        font_.DrawUnderline(target_, origin, cp932, static_cast<std::size_t>(underline), colour,
                            ToTarget(clip));
    }
}

void SoftwareCanvas::DrawTextAtHeight(Point origin, std::string_view cp932, Rgb colour, int height,
                                      const Rect& clip, int underline) {
    const int width = font_.MeasureWidth(cp932);
    // Drawn at 12 dots on a background no text colour has, then each dot repeated.
    const Rgb background{colour.r, colour.g, static_cast<std::uint8_t>(colour.b ^ 0xFF)};
    Bitmap dots(width, BitmapFont::kLineHeight, background);
    const Rect all{0, 0, width, BitmapFont::kLineHeight};
    font_.Draw(dots, Point{0, 0}, cp932, colour, all);
    if (underline >= 0) {
        font_.DrawUnderline(dots, Point{0, 0}, cp932, static_cast<std::size_t>(underline), colour,
                            all);
    }
    const int scaledWidth =
        (width * height + BitmapFont::kLineHeight / 2) / BitmapFont::kLineHeight;
    const Rect visible = Intersect(Intersect(RectAt(origin.x, origin.y, scaledWidth, height), clip),
                                   Rect{0, 0, target_.Width(), target_.Height()});
    for (int y = visible.top; y < visible.bottom; ++y) {
        for (int x = visible.left; x < visible.right; ++x) {
            const Rgb& dot = dots.At((x - origin.x) * width / scaledWidth,
                                     (y - origin.y) * BitmapFont::kLineHeight / height);
            if (dot == colour) {
                target_.At(x, y) = colour;
            }
        }
    }
}

}  // namespace vc
