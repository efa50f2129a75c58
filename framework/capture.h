#pragma once
#include <memory>

#include "framework/dib.h"

namespace vc {

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
};

}  // namespace vc
