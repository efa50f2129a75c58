#include "framework/scaled_canvas.h"

#include <algorithm>
#include <cstdint>

namespace vc {
namespace {

Bitmap Repeated(const Bitmap& picture, Size size) {
    Bitmap scaled(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            scaled.At(x, y) =
                picture.At(x * picture.Width() / size.width, y * picture.Height() / size.height);
        }
    }
    return scaled;
}

Bitmap Averaged(const Bitmap& picture, Size size) {
    const std::int64_t w = picture.Width(), h = picture.Height();
    Bitmap scaled(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
        // Counted in 1/H of an old row (1/W of an old column): the new pixel covers
        // [y*h, (y+1)*h), each old row oy [oy*H, (oy+1)*H); an old pixel weighs its overlap.
        const std::int64_t top = y * h, bottom = (y + 1) * h;
        for (int x = 0; x < size.width; ++x) {
            const std::int64_t left = x * w, right = (x + 1) * w;
            std::int64_t sum[3] = {0, 0, 0};
            std::int64_t weight = 0;
            for (std::int64_t oy = top / size.height; oy * size.height < bottom; ++oy) {
                const std::int64_t dy =
                    std::min(bottom, (oy + 1) * size.height) - std::max(top, oy * size.height);
                for (std::int64_t ox = left / size.width; ox * size.width < right; ++ox) {
                    const std::int64_t dx =
                        std::min(right, (ox + 1) * size.width) - std::max(left, ox * size.width);
                    const Rgb& p = picture.At(static_cast<int>(ox), static_cast<int>(oy));
                    sum[0] += p.r * dx * dy;
                    sum[1] += p.g * dx * dy;
                    sum[2] += p.b * dx * dy;
                    weight += dx * dy;
                }
            }
            const auto channel = [&](int i) {
                return static_cast<std::uint8_t>((sum[i] + weight / 2) / weight);
            };
            scaled.At(x, y) = Rgb{channel(0), channel(1), channel(2)};
        }
    }
    return scaled;
}

}  // namespace

Bitmap ScalePicture(const Bitmap& picture, Size size) {
    if (picture.Empty() || size.width <= 0 || size.height <= 0) {
        return Bitmap(std::max(size.width, 0), std::max(size.height, 0));
    }
    const bool whole = size.width % picture.Width() == 0 && size.height % picture.Height() == 0;
    return whole ? Repeated(picture, size) : Averaged(picture, size);
}

const Bitmap& ScaledPictures::At(const Bitmap& picture, Size size) {
    Kept& kept = kept_[&picture];
    if (!(kept.source == picture) || kept.scaled.Width() != size.width ||
        kept.scaled.Height() != size.height) {
        kept.source = picture;
        kept.scaled = ScalePicture(picture, size);
    }
    return kept.scaled;
}

TFont ScaledFont(const TFont& font, DpiScale scale) {
    TFont scaled = font;
    if (font.Height < 0) {
        scaled.Height = -scale.Px(-font.Height);
    }
    return scaled;
}

void ScaledCanvas::FillRect(const Rect& area, TColor colour) {
    pixels_.FillRect(scale_.Px(area), colour);
}

void ScaledCanvas::DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) {
    const Rect placed = scale_.Px(RectAt(at.x, at.y, picture.Width(), picture.Height()));
    const Bitmap& scaled = pictures_.At(picture, Size{placed.Width(), placed.Height()});
    pixels_.DrawBitmap(Point{placed.left, placed.top}, scaled, scale_.Px(clip));
}

void ScaledCanvas::DrawText(Point at, std::string_view cp932, const TFont& font, const Rect& clip,
                            int underline) {
    pixels_.DrawText(scale_.Px(at), cp932, ScaledFont(font, scale_), scale_.Px(clip), underline);
}

}  // namespace vc
