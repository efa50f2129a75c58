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

std::unique_ptr<DibPixels> SoftwareCapture::ToDib(int bitsPerPixel) const {
    if (failCopies) {
        throw EOutOfResources(std::string(texts::kOutOfResources.cp932));
    }
    return std::make_unique<MemoryDib>(DibFromBitmap(pixels_, bitsPerPixel));
}

}  // namespace vc
