#include <cstdint>

#include "tools/artwork/artwork.h"

namespace vc::artwork {
namespace {

void Put8(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
}

void Put16(std::string& out, unsigned v) {
    Put8(out, v);
    Put8(out, v >> 8);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::string EncodeIco(const RgbaImage& image) {
    const auto w = static_cast<std::uint32_t>(image.width);
    const auto h = static_cast<std::uint32_t>(image.height);
    const std::uint32_t maskStride = (w + 31) / 32 * 4;
    const std::uint32_t imageBytes = 40 + w * h * 4 + maskStride * h;
    std::string out;
    // ICONDIR
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    // ICONDIRENTRY; 256 is written as 0.
    Put8(out, w & 0xFF);
    Put8(out, h & 0xFF);
    Put8(out, 0);
    Put8(out, 0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, imageBytes);
    Put32(out, 6 + 16);
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    Put32(out, 40);
    Put32(out, w);
    Put32(out, h * 2);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);  // BI_RGB
    Put32(out, w * h * 4 + maskStride * h);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.At(x, y);
            Put8(out, p.b);
            Put8(out, p.g);
            Put8(out, p.r);
            Put8(out, p.a);
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(maskStride, '\0');
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y).a == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
            }
        }
        out += row;
    }
    return out;
}

}  // namespace vc::artwork
