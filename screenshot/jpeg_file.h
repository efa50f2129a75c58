#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/capture.h"
#include "framework/seam/shell.h"

namespace vc {

// Encodes the whole capture first, then creates the file and writes it in one write: an
// encoder error leaves no file, a short write raises EWriteError.
void SaveScreenshotJpeg(const Capture& capture, const std::string& path, Shell& files);

}  // namespace vc
