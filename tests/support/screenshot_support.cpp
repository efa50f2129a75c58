#include "tests/support/screenshot_support.h"

#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace vc::test {
namespace {

std::vector<int> MarkersBeforeScan(const std::vector<std::uint8_t>& bytes) {
    std::vector<int> markers;
    std::size_t at = 2;  // after the start of image
    while (at + 4 <= bytes.size() && bytes[at] == 0xFF) {
        const int code = bytes[at + 1];
        markers.push_back(code);
        if (code == 0xDA) {
            break;
        }
        at += 2 + (std::size_t{bytes[at + 2]} << 8 | bytes[at + 3]);
    }
    return markers;
}

}  // namespace

DecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& bytes) {
    DecodedJpeg out;
    out.markers = MarkersBeforeScan(bytes);
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    out.jfif = info.saw_JFIF_marker;
    out.jfifMajor = info.JFIF_major_version;
    out.jfifMinor = info.JFIF_minor_version;
    out.densityUnit = info.density_unit;
    out.xDensity = info.X_density;
    out.yDensity = info.Y_density;
    out.progressive = info.progressive_mode;
    out.restartInterval = info.restart_interval;
    out.colourSpace = info.jpeg_color_space;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& component = info.comp_info[c];
        out.components.push_back(
            {component.h_samp_factor, component.v_samp_factor, component.quant_tbl_no});
        const JQUANT_TBL* table = info.quant_tbl_ptrs[component.quant_tbl_no];
        out.quantTables.emplace_back(table->quantval, table->quantval + DCTSIZE2);
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.pixels = Bitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    std::vector<JSAMPLE> row(info.output_width * 3);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < out.pixels.Width(); ++x) {
            const std::size_t at = static_cast<std::size_t>(x) * 3;
            out.pixels.At(x, y) = Rgb{row[at], row[at + 1], row[at + 2]};
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return out;
}

}  // namespace vc::test
