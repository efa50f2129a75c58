#pragma once
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace vc {

// Every compression setting of a screenshot, for rows of blue, green, red: quality 100,
// baseline, the float DCT. Call before jpeg_start_compress (with all tables written).
inline void SetScreenshotParameters(jpeg_compress_struct& info, int width, int height) {
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    // The rows hold blue, green, red: read as they are, no reordering.
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    info.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&info, 100, TRUE);
}

}  // namespace vc
