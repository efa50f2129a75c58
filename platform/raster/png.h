#pragma once
#include <string>
#include <string_view>

#include "framework/bitmap.h"

namespace vc {

// 8-bit RGB, not interlaced, no time stamp and a fixed compression level: the same picture
// always gives the same bytes. Throws std::runtime_error on an empty picture.
std::string EncodePng(const Bitmap& bitmap);
void WritePngFile(const Bitmap& bitmap, const std::string& path);

// Any PNG becomes 8-bit RGB: palettes and grey are expanded, 16 bits cut to 8, alpha dropped.
// Throws std::runtime_error on anything that is not a sound PNG.
Bitmap DecodePng(std::string_view bytes);
Bitmap ReadPngFile(const std::string& path);

}  // namespace vc
