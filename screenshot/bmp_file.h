#pragma once
#include <string>

#include "framework/capture.h"
#include "framework/seam/shell.h"

namespace vc {

// Writes the capture as an uncompressed BMP of its own bits per pixel; a capture without
// pixels gives an empty file. The file is created before anything else can fail.
void SaveScreenshotBmp(const Capture& capture, const std::string& path, Shell& files);

}  // namespace vc
