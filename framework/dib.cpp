#include "framework/dib.h"

namespace vc {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::size_t DibRowStride(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

MemoryDib::MemoryDib(int width, int height, int bitsPerPixel) {
    header_.biWidth = width;
    header_.biHeight = height;
    header_.biBitCount = static_cast<std::uint16_t>(bitsPerPixel);
    const std::size_t size = DibRowStride(width, bitsPerPixel) * static_cast<std::size_t>(height);
    header_.biSizeImage = static_cast<std::uint32_t>(size);
    bits_ = std::make_unique_for_overwrite<std::uint8_t[]>(size);
}

std::string BmpFileHeader(const DibInfoHeader& info, std::size_t colourTableBytes) {
    const auto offBits =
        kFileHeaderSize + info.biSize + static_cast<std::uint32_t>(colourTableBytes);
    std::string out = "BM";
    Put32(out, offBits + info.biSizeImage);
    Put32(out, 0);  // both reserved words
    Put32(out, offBits);
    return out;
}

std::string BmpInfoHeader(const DibInfoHeader& info) {
    std::string out;
    Put32(out, info.biSize);
    Put32(out, static_cast<std::uint32_t>(info.biWidth));
    Put32(out, static_cast<std::uint32_t>(info.biHeight));
    Put16(out, info.biPlanes);
    Put16(out, info.biBitCount);
    Put32(out, info.biCompression);
    Put32(out, info.biSizeImage);
    Put32(out, static_cast<std::uint32_t>(info.biXPelsPerMeter));
    Put32(out, static_cast<std::uint32_t>(info.biYPelsPerMeter));
    Put32(out, info.biClrUsed);
    Put32(out, info.biClrImportant);
    return out;
}

}  // namespace vc
