#pragma once
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace vc {

// How the rows handed to the encoder hold a pixel: blue, green, red, and at 32 bits one
// unused byte. Either gives the same JPEG.
enum class RowPixels { Bgr24, Bgrx32 };

// Every compression setting of a screenshot: quality 100, baseline, the float DCT. Call
// before jpeg_start_compress (with all tables written).
inline void SetScreenshotParameters(jpeg_compress_struct& info, int width, int height,
                                    RowPixels pixels) {
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    // Read as they are, no reordering.
    const bool wide = pixels == RowPixels::Bgrx32;
    info.input_components = wide ? 4 : 3;
    info.in_color_space = wide ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    info.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&info, 100, TRUE);
}

}  // namespace vc
