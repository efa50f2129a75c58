#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace vc {

// The fields of a BITMAPINFOHEADER, in file order.
struct DibInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;  // positive: bottom row first
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;  // BI_RGB
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

// Bytes of one stored row: whole pixels, padded to a multiple of 4.
std::size_t DibRowStride(int width, int bitsPerPixel);

// A device-independent picture: bottom-up rows, each padded to 4 bytes.
class DibPixels {
  public:
    virtual ~DibPixels() = default;
    // As the system reports it, biSizeImage filled in.
    virtual const DibInfoHeader& Header() const = 0;
    // 4 bytes per entry; empty above 8 bits per pixel.
    virtual std::span<const std::uint8_t> ColourTable() const = 0;
    virtual std::span<const std::uint8_t> Bits() const = 0;
};

class MemoryDib final : public DibPixels {
  public:
    // The rows' contents are left for the caller to write, padding included.
    MemoryDib(int width, int height, int bitsPerPixel);
    const DibInfoHeader& Header() const override { return header_; }
    std::span<const std::uint8_t> ColourTable() const override { return {}; }
    std::span<const std::uint8_t> Bits() const override {
        return {bits_.get(), header_.biSizeImage};
    }
    std::uint8_t* Data() { return bits_.get(); }

  private:
    DibInfoHeader header_;
    // Left unset: every byte is written by whoever fills it.
    std::unique_ptr<std::uint8_t[]> bits_;
};

// The 14-byte BITMAPFILEHEADER of a file holding `info` and a colour table of
// `colourTableBytes`, then the pixels.
std::string BmpFileHeader(const DibInfoHeader& info, std::size_t colourTableBytes);
// The 40-byte BITMAPINFOHEADER.
std::string BmpInfoHeader(const DibInfoHeader& info);

}  // namespace vc
