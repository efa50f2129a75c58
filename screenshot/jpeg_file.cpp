#include "screenshot/jpeg_file.h"

#include "screenshot/jpeg_encoder.h"
#include "screenshot/output_file.h"

namespace vc {

std::vector<std::uint8_t> EncodeScreenshotJpeg(const Capture& capture) {
    if (!capture.HasPixels()) {
        return EncodeJpeg(BgrRows{});
    }
    const auto copy = capture.ToDib(24);
    const DibInfoHeader& header = copy->Header();
    return EncodeJpeg(BgrRows{header.biWidth, header.biHeight, copy->Bits().data(),
                              DibRowStride(header.biWidth, 24)});
}

void SaveScreenshotJpeg(const Capture& capture, const std::string& path, Shell& files) {
    const std::vector<std::uint8_t> bytes = EncodeScreenshotJpeg(capture);
    const auto file = CreateScreenshotFile(files, path);
    WriteWhole(*file, bytes.data(), bytes.size());
}

}  // namespace vc
