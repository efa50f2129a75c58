#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/color.h"
#include "framework/dib.h"
#include "framework/geometry.h"

namespace vc {

// A picture in memory, top row first.
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
    const Rgb& At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Fill(const Rect& area, Rgb colour);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// The picture at 24 or 32 bits per pixel: blue, green, red (and a byte of 0 at 32).
MemoryDib DibFromBitmap(const Bitmap& bitmap, int bitsPerPixel);
// Rows top .. top + count - 1 of the picture in the same form, the band's bottom row first.
void CopyBitmapRows(const Bitmap& bitmap, int bitsPerPixel, int top, int count, std::uint8_t* out);

// BMP files of 24 bits per pixel: BITMAPINFOHEADER, uncompressed, rows bottom-up and padded
// to 4 bytes. Reading throws std::runtime_error on anything else.
std::string EncodeBmp24(const Bitmap& bitmap);
Bitmap DecodeBmp24(std::string_view bytes);

}  // namespace vc
