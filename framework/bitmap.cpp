#include "framework/bitmap.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace vc {
namespace {

std::uint32_t Get(std::string_view bytes, std::size_t at, int size) {
    if (at + static_cast<std::size_t>(size) > bytes.size()) {
        throw std::runtime_error("BMP: file too short");
    }
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return v;
}

}  // namespace

Bitmap::Bitmap(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void Bitmap::Fill(const Rect& area, Rgb colour) {
    const Rect clipped = Intersect(area, Rect{0, 0, width_, height_});
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        for (int x = clipped.left; x < clipped.right; ++x) {
            At(x, y) = colour;
        }
    }
}

void CopyBitmapRows(const Bitmap& bitmap, int bitsPerPixel, int top, int count, std::uint8_t* out) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) {
        throw std::invalid_argument("CopyBitmapRows: 24 or 32 bits per pixel");
    }
    if (bitmap.Width() == 0) {
        return;
    }
    const std::size_t stride = DibRowStride(bitmap.Width(), bitsPerPixel);
    for (int i = 0; i < count; ++i) {
        std::uint8_t* const row = out + static_cast<std::size_t>(count - 1 - i) * stride;
        const Rgb* in = &bitmap.At(0, top + i);
        std::uint8_t* at = row;
        if (bitsPerPixel == 32) {
            for (int x = 0; x < bitmap.Width(); ++x, ++in, at += 4) {
                at[0] = in->b;
                at[1] = in->g;
                at[2] = in->r;
                at[3] = 0;
            }
        } else {
            for (int x = 0; x < bitmap.Width(); ++x, ++in, at += 3) {
                at[0] = in->b;
                at[1] = in->g;
                at[2] = in->r;
            }
        }
        std::fill(at, row + stride, std::uint8_t{0});
    }
}

MemoryDib DibFromBitmap(const Bitmap& bitmap, int bitsPerPixel) {
    MemoryDib dib(bitmap.Width(), bitmap.Height(), bitsPerPixel);
    CopyBitmapRows(bitmap, bitsPerPixel, 0, bitmap.Height(), dib.Data());
    return dib;
}

std::string EncodeBmp24(const Bitmap& bitmap) {
    const MemoryDib dib = DibFromBitmap(bitmap, 24);
    const auto bits = dib.Bits();
    return BmpFileHeader(dib.Header(), 0) + BmpInfoHeader(dib.Header()) +
           std::string(bits.begin(), bits.end());
}

Bitmap DecodeBmp24(std::string_view bytes) {
    if (bytes.substr(0, 2) != "BM") {
        throw std::runtime_error("BMP: no BM signature");
    }
    const auto offset = Get(bytes, 10, 4);
    const auto width = static_cast<std::int32_t>(Get(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(Get(bytes, 22, 4));
    if (Get(bytes, 14, 4) != 40 || Get(bytes, 28, 2) != 24 || Get(bytes, 30, 4) != 0) {
        throw std::runtime_error("BMP: not an uncompressed 24-bit picture");
    }
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        throw std::runtime_error("BMP: unsupported size");
    }
    const std::size_t stride = DibRowStride(width, 24);
    if (offset + stride * static_cast<std::size_t>(height) > bytes.size()) {
        throw std::runtime_error("BMP: pixel data cut short");
    }
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            bitmap.At(x, y) =
                Rgb{static_cast<std::uint8_t>(bytes[at + 2]),
                    static_cast<std::uint8_t>(bytes[at + 1]), static_cast<std::uint8_t>(bytes[at])};
        }
    }
    return bitmap;
}

}  // namespace vc
