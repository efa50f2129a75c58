#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/capture.h"
#include "framework/platform.h"

namespace vc {

// The capture as JPEG bytes (nothing for a capture without pixels), through a 24-bit copy.
std::vector<std::uint8_t> EncodeScreenshotJpeg(const Capture& capture);

// Encodes the whole capture first, then creates the file and writes it in one write: an
// encoder error leaves no file, a short write raises EWriteError.
void SaveScreenshotJpeg(const Capture& capture, const std::string& path, Shell& files);

}  // namespace vc
