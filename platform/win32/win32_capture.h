#pragma once
#include <windows.h>

#include "framework/capture.h"
#include "framework/geometry.h"
#include "platform/win32/scoped_handle.h"

namespace vc {

// A display-compatible bitmap of the window's client area (at 32 bits per pixel a DIB
// section of that format, else a device-dependent bitmap): white, then overwritten by a
// plain copy from the window's device context (BitBlt); or black, then overwritten by what
// the window prints of itself (PrintWindow).
class Win32Capture final : public Capture {
  public:
    enum class Source { Copy, Print };
    Win32Capture(HWND source, Size size, Source how = Source::Copy);
    ~Win32Capture() override;
    Win32Capture(const Win32Capture&) = delete;
    Win32Capture& operator=(const Win32Capture&) = delete;

    int Width() const override { return size_.width; }
    int Height() const override { return size_.height; }
    int BitsPerPixel() const override { return bitsPerPixel_; }
    // A DIB section filled by GetDIBits.
    std::unique_ptr<DibPixels> ToDib(int bitsPerPixel) const override;
    // GetDIBits of the band's scan lines into `out`.
    void CopyRows(int bitsPerPixel, int top, int count, std::uint8_t* out) const override;
    // At 32 bits per pixel the capture is a top-down DIB section.
    std::optional<Rows32> DirectRows() const override;

    // False when the window would not print itself.
    bool Filled() const { return filled_; }
    // The window went away between its measuring and the copy: there is no picture of it.
    bool SourceGone() const { return sourceGone_; }

  private:
    Size size_;
    bool filled_ = true;
    bool sourceGone_ = false;
    int bitsPerPixel_ = 0;
    ScopedBitmap bitmap_;
    const std::uint8_t* rows32_ = nullptr;
};

}  // namespace vc
