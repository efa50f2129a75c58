#include "platform/raster/software_capture.h"

#include "framework/errors.h"
#include "framework/texts.h"

namespace vc {

SoftwareCapture::SoftwareCapture(Bitmap pixels, int bitsPerPixel, int* live)
    : pixels_(std::move(pixels)), bitsPerPixel_(bitsPerPixel), live_(live) {
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

}  // namespace vc
