#pragma once
#include <vector>

#include "framework/bitmap.h"
#include "framework/capture.h"

namespace vc {

// A capture held as plain pixels, for the scripted desktop and the benchmarks.
class SoftwareCapture final : public Capture {
  public:
    // `live`, when given, counts the captures that exist.
    SoftwareCapture(Bitmap pixels, int bitsPerPixel, int* live = nullptr);
    ~SoftwareCapture() override;
    SoftwareCapture(const SoftwareCapture&) = delete;
    SoftwareCapture& operator=(const SoftwareCapture&) = delete;

    int Width() const override { return pixels_.Width(); }
    int Height() const override { return pixels_.Height(); }
    int BitsPerPixel() const override { return bitsPerPixel_; }
    std::unique_ptr<DibPixels> ToDib(int bitsPerPixel) const override;
    void CopyRows(int bitsPerPixel, int top, int count, std::uint8_t* out) const override;
    // At 32 bits per pixel the capture keeps its pixels as the display does.
    std::optional<Rows32> DirectRows() const override;

    // Every copy fails as when the system has no resources left.
    bool failCopies = false;

  private:
    Bitmap pixels_;
    std::vector<std::uint8_t> rows32_;  // top-down, at 32 bits per pixel only
    int bitsPerPixel_;
    int* live_;
};

}  // namespace vc
