#include "screenshot/output_file.h"

#include <cstdio>
#include <vector>

#include "framework/errors.h"
#include "framework/texts.h"

namespace vc {

std::unique_ptr<OutputFile> CreateScreenshotFile(Shell& files, const std::string& path) {
    auto file = files.CreateOutputFile(path);
    if (!file) {
        const std::string format(texts::kCannotCreateFileFormat.cp932);
        std::vector<char> message(format.size() + path.size() + 1);
        std::snprintf(message.data(), message.size(), format.c_str(), path.c_str());
        throw EFCreateError(message.data());
    }
    return file;
}

void WriteWhole(OutputFile& file, const void* data, std::size_t size) {
    if (file.Write(data, size) != size) {
        throw EWriteError(std::string(texts::kStreamWriteError.cp932));
    }
}

}  // namespace vc
