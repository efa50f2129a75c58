#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "framework/dib.h"

namespace vc {

// 32-bit pixels (blue, green, red, unused) as a capture holds them: the top row at
// `top`, each next row `stride` bytes further on.
struct Rows32 {
    const std::uint8_t* top = nullptr;
    std::size_t stride = 0;

    const std::uint8_t* Row(int y) const { return top + static_cast<std::size_t>(y) * stride; }
};

// A picture of a window's client area, in the display's own pixel format.
class Capture {
  public:
    virtual ~Capture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The display's bits per pixel, also when the capture has no pixels.
    virtual int BitsPerPixel() const = 0;
    bool HasPixels() const { return Width() > 0 && Height() > 0; }
    // A device-independent copy at `bitsPerPixel` (the system converts the format);
    // EOutOfResources when it cannot be made. Only for a capture with pixels.
    virtual std::unique_ptr<DibPixels> ToDib(int bitsPerPixel) const = 0;
    // Rows top .. top + count - 1 (counted from the top) at `bitsPerPixel`, as a DIB stores
    // them: the band's bottom row first, each padded to 4 bytes. Lets a reader convert a
    // band at a time instead of the whole picture.
    virtual void CopyRows(int bitsPerPixel, int top, int count, std::uint8_t* out) const = 0;
    // The pixels themselves, readable in place, when the capture holds them as 32-bit rows
    // (a display of 32 bits per pixel); nothing otherwise.
    virtual std::optional<Rows32> DirectRows() const { return std::nullopt; }
};

}  // namespace vc
