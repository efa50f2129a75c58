#include "screenshot/output_file.h"

#include "framework/errors.h"
#include "framework/texts.h"

namespace vc {

std::unique_ptr<OutputFile> CreateScreenshotFile(Shell& files, const std::string& path) {
    auto file = files.CreateOutputFile(path);
    if (!file) {
        throw EFCreateError(texts::kCannotCreateFileFormat.cp932, path);
    }
    return file;
}

void WriteWhole(OutputFile& file, const void* data, std::size_t size) {
    if (file.Write(data, size) != size) {
        throw EWriteError(std::string(texts::kStreamWriteError.cp932));
    }
}

}  // namespace vc
