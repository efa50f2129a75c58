#include "screenshot/jpeg_encoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "framework/errors.h"
#include "framework/text_format.h"
#include "framework/texts.h"

#include "screenshot/jpeg_parameters.h"
// jerror.h after jpeglib.h
#include <jerror.h>

namespace vc {
namespace {

// libjpeg's frames are C: an error leaves them by longjmp to Compress, and the exception
// is thrown only once we are back in our own frames.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int code;
};

// Appends straight into the caller's buffer, which grows when it is full.
struct Destination {
    jpeg_destination_mgr base;
    JpegBytes* out;
};

struct Compression {
    jpeg_compress_struct info;
    ErrorManager errors;
    Destination destination;
};

void ExitByJump(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->code = info->err->msg_code;
    std::longjmp(errors->jump, 1);
}

void DropMessage(j_common_ptr) {}

void DropTrace(j_common_ptr, int) {}

void StartBuffer(j_compress_ptr info) {
    auto* destination = reinterpret_cast<Destination*>(info->dest);
    destination->base.next_output_byte = destination->out->data.get();
    destination->base.free_in_buffer = destination->out->capacity;
}

// The whole buffer is full: twice the room, the written part kept.
boolean GrowBuffer(j_compress_ptr info) {
    auto* destination = reinterpret_cast<Destination*>(info->dest);
    JpegBytes& out = *destination->out;
    const std::size_t used = out.capacity;
    void* grown = std::realloc(out.data.get(), used * 2);
    if (grown == nullptr) {
        ERREXIT(info, JERR_OUT_OF_MEMORY);
    }
    out.data.release();
    out.data.reset(static_cast<std::uint8_t*>(grown));
    out.capacity = used * 2;
    destination->base.next_output_byte = out.data.get() + used;
    destination->base.free_in_buffer = used;
    return TRUE;
}

void EndBuffer(j_compress_ptr info) {
    auto* destination = reinterpret_cast<Destination*>(info->dest);
    destination->out->size = destination->out->capacity - destination->base.free_in_buffer;
}

void Setup(Compression& c, JpegBytes& out) {
    c.info.err = jpeg_std_error(&c.errors.base);
    c.errors.base.error_exit = ExitByJump;
    c.errors.base.output_message = DropMessage;
    c.errors.base.emit_message = DropTrace;
    c.destination.out = &out;
    c.destination.base.init_destination = StartBuffer;
    c.destination.base.empty_output_buffer = GrowBuffer;
    c.destination.base.term_destination = EndBuffer;
}

// The copy converted to 24 bits is made a band of rows at a time: one band of memory
// instead of a second picture.
constexpr int kBandRows = 16;

// A 32-bit capture is read where it lies: no copy at all.
void CompressDirectRows(jpeg_compress_struct& info, const Capture& capture, const Rows32& rows) {
    SetScreenshotParameters(info, capture.Width(), capture.Height(), RowPixels::Bgrx32);
    jpeg_start_compress(&info, TRUE);
    JSAMPROW band[kBandRows];
    for (int top = 0; top < capture.Height(); top += kBandRows) {
        const int count = std::min(kBandRows, capture.Height() - top);
        for (int i = 0; i < count; ++i) {
            band[i] = const_cast<JSAMPROW>(rows.Row(top + i));
        }
        jpeg_write_scanlines(&info, band, static_cast<JDIMENSION>(count));
    }
    jpeg_finish_compress(&info);
}

void CompressRows(Compression& c, const Capture& capture, std::uint8_t* band) {
    jpeg_compress_struct& info = c.info;
    info.dest = &c.destination.base;
    if (const std::optional<Rows32> rows = capture.DirectRows()) {
        CompressDirectRows(info, capture, *rows);
        return;
    }
    SetScreenshotParameters(info, capture.Width(), capture.Height(), RowPixels::Bgr24);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = DibRowStride(capture.Width(), 24);
    for (int top = 0; top < capture.Height(); top += kBandRows) {
        const int count = std::min(kBandRows, capture.Height() - top);
        // Between the library's calls: an error of the copy never passes through them.
        capture.CopyRows(24, top, count, band);
        for (int i = count - 1; i >= 0; --i) {
            JSAMPROW row = band + static_cast<std::size_t>(i) * stride;
            jpeg_write_scanlines(&info, &row, 1);
        }
    }
    jpeg_finish_compress(&info);
}

// 0 when done, otherwise the library's message code. No object with a destructor lives in
// the frames the jump back leaves.
int Compress(Compression& c, const Capture& capture, std::uint8_t* band) {
    if (setjmp(c.errors.jump) != 0) {
        return c.errors.code;
    }
    jpeg_create_compress(&c.info);
    if (capture.HasPixels()) {
        CompressRows(c, capture, band);
    }
    return 0;
}

struct DestroyCompression {
    // Also after an error: destroying twice, or a compressor never made, is harmless.
    void operator()(Compression* c) const {
        jpeg_destroy_compress(&c->info);
        delete c;
    }
};

}  // namespace

JpegBytes EncodeJpeg(const Capture& capture) {
    JpegBytes out;
    if (!capture.HasPixels()) {
        return out;
    }
    const std::size_t stride = DibRowStride(capture.Width(), 24);
    // As much as the raw pixels: more than quality 100 needs in practice, and pages that are
    // never written cost nothing, while growing would copy what was written.
    out.capacity = stride * static_cast<std::size_t>(capture.Height());
    out.data.reset(static_cast<std::uint8_t*>(std::malloc(out.capacity)));
    if (!out.data) {
        throw std::bad_alloc();
    }
    std::vector<std::uint8_t> band(stride * kBandRows);
    const std::unique_ptr<Compression, DestroyCompression> compression(new Compression());
    Setup(*compression, out);
    if (const int code = Compress(*compression, capture, band.data()); code != 0) {
        throw EJPEG(Printf<texts::kJpegErrorFormat>(code));
    }
    return out;
}

}  // namespace vc
