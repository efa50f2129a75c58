#include "framework/bitmap.h"

#include <cstdint>
#include <stdexcept>

namespace vc {
namespace {

constexpr int kHeadersSize = 14 + 40;

int RowStride(int width) {
    return (width * 3 + 3) / 4 * 4;
}

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

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

std::string EncodeBmp24(const Bitmap& bitmap) {
    const int stride = RowStride(bitmap.Width());
    const auto imageSize = static_cast<std::uint32_t>(stride * bitmap.Height());
    std::string out;
    out += "BM";
    Put32(out, kHeadersSize + imageSize);
    Put32(out, 0);
    Put32(out, kHeadersSize);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(bitmap.Width()));
    Put32(out, static_cast<std::uint32_t>(bitmap.Height()));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Rgb& p = bitmap.At(x, y);
            out += static_cast<char>(p.b);
            out += static_cast<char>(p.g);
            out += static_cast<char>(p.r);
        }
        out.append(static_cast<std::size_t>(stride - bitmap.Width() * 3), '\0');
    }
    return out;
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
    const int stride = RowStride(width);
    if (offset + static_cast<std::size_t>(stride) * static_cast<std::size_t>(height) >
        bytes.size()) {
        throw std::runtime_error("BMP: pixel data cut short");
    }
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row =
            offset + static_cast<std::size_t>(stride) * static_cast<std::size_t>(height - 1 - y);
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
