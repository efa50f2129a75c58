#include "tests/support/software_capture.h"

#include "framework/errors.h"
#include "framework/texts.h"

namespace vc {

SoftwareCapture::SoftwareCapture(Bitmap pixels, int bitsPerPixel, int* live)
    : pixels_(std::move(pixels)), bitsPerPixel_(bitsPerPixel), live_(live) {
    if (bitsPerPixel_ == 32) {
        // Top-down, as the display holds them: a band of one row is that row.
        const std::size_t stride = DibRowStride(Width(), 32);
        rows32_.resize(stride * static_cast<std::size_t>(Height()));
        for (int y = 0; y < Height(); ++y) {
            CopyBitmapRows(pixels_, 32, y, 1,
                           rows32_.data() + static_cast<std::size_t>(y) * stride);
        }
    }
    if (live_ != nullptr) {
        ++*live_;
    }
}

SoftwareCapture::~SoftwareCapture() {
    if (live_ != nullptr) {
        --*live_;
    }
}

namespace {

void RefuseWhen(bool fail) {
    if (fail) {
        throw EOutOfResources(std::string(texts::kOutOfResources.cp932));
    }
}

}  // namespace

std::unique_ptr<DibPixels> SoftwareCapture::ToDib(int bitsPerPixel) const {
    RefuseWhen(failCopies);
    return std::make_unique<MemoryDib>(DibFromBitmap(pixels_, bitsPerPixel));
}

void SoftwareCapture::CopyRows(int bitsPerPixel, int top, int count, std::uint8_t* out) const {
    RefuseWhen(failCopies);
    CopyBitmapRows(pixels_, bitsPerPixel, top, count, out);
}

std::optional<Rows32> SoftwareCapture::DirectRows() const {
    if (rows32_.empty()) {
        return std::nullopt;
    }
    return Rows32{rows32_.data(), DibRowStride(Width(), 32)};
}

}  // namespace vc
