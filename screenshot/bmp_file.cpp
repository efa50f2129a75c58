#include "screenshot/bmp_file.h"

#include "screenshot/output_file.h"

namespace vc {
namespace {

void WriteText(OutputFile& file, const std::string& bytes) {
    WriteWhole(file, bytes.data(), bytes.size());
}

}  // namespace

void SaveScreenshotBmp(const Capture& capture, const std::string& path, Shell& files) {
    const auto file = CreateScreenshotFile(files, path);
    if (!capture.HasPixels()) {
        return;
    }
    const auto dib = capture.ToDib(capture.BitsPerPixel());
    const auto table = dib->ColourTable();
    WriteText(*file, BmpFileHeader(dib->Header(), table.size()));
    WriteText(*file, BmpInfoHeader(dib->Header()));
    if (!table.empty()) {
        WriteWhole(*file, table.data(), table.size());
    }
    const auto bits = dib->Bits();
    WriteWhole(*file, bits.data(), bits.size());
}

}  // namespace vc
