#include "screenshot/jpeg_file.h"

#include "screenshot/jpeg_encoder.h"
#include "screenshot/output_file.h"

namespace vc {

void SaveScreenshotJpeg(const Capture& capture, const std::string& path, Shell& files) {
    const JpegBytes jpeg = EncodeJpeg(capture);
    const auto file = CreateScreenshotFile(files, path);
    WriteWhole(*file, jpeg.Bytes().data(), jpeg.Bytes().size());
}

}  // namespace vc
