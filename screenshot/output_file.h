#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "framework/seam/shell.h"

namespace vc {

// The file at `path`, created or replaced; EFCreateError naming the path when it cannot be.
std::unique_ptr<OutputFile> CreateScreenshotFile(Shell& files, const std::string& path);

// One write of `size` bytes; EWriteError when fewer are stored.
void WriteWhole(OutputFile& file, const void* data, std::size_t size);

}  // namespace vc
