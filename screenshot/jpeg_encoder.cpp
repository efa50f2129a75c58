#include "screenshot/jpeg_encoder.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>

#include "framework/errors.h"
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

struct Destination {
    jpeg_destination_mgr base;
    std::vector<std::uint8_t>* out;
    std::array<JOCTET, 64 * 1024> chunk;
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

void StartChunk(j_compress_ptr info) {
    auto* destination = reinterpret_cast<Destination*>(info->dest);
    destination->base.next_output_byte = destination->chunk.data();
    destination->base.free_in_buffer = destination->chunk.size();
}

// False when memory ran out; nothing may be thrown into libjpeg.
bool Append(Destination& destination, std::size_t count) {
    try {
        destination.out->insert(destination.out->end(), destination.chunk.data(),
                                destination.chunk.data() + count);
        return true;
    } catch (...) {
        return false;
    }
}

boolean FlushChunk(j_compress_ptr info) {
    auto* destination = reinterpret_cast<Destination*>(info->dest);
    if (!Append(*destination, destination->chunk.size())) {
        ERREXIT(info, JERR_OUT_OF_MEMORY);
    }
    StartChunk(info);
    return TRUE;
}

void FinishChunks(j_compress_ptr info) {
    auto* destination = reinterpret_cast<Destination*>(info->dest);
    if (!Append(*destination, destination->chunk.size() - destination->base.free_in_buffer)) {
        ERREXIT(info, JERR_OUT_OF_MEMORY);
    }
}

void Setup(Compression& c, std::vector<std::uint8_t>& out) {
    c.info.err = jpeg_std_error(&c.errors.base);
    c.errors.base.error_exit = ExitByJump;
    c.errors.base.output_message = DropMessage;
    c.errors.base.emit_message = DropTrace;
    c.destination.out = &out;
    c.destination.base.init_destination = StartChunk;
    c.destination.base.empty_output_buffer = FlushChunk;
    c.destination.base.term_destination = FinishChunks;
}

void CompressRows(Compression& c, const BgrRows& rows) {
    jpeg_compress_struct& info = c.info;
    info.dest = &c.destination.base;
    SetScreenshotParameters(info, rows.width, rows.height);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < rows.height; ++y) {
        const auto stored = static_cast<std::size_t>(rows.height - 1 - y);
        JSAMPROW row = const_cast<JSAMPROW>(rows.bottomUpBits + stored * rows.stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
}

// 0 when done, otherwise the library's message code. No object with a destructor lives in
// this frame, so the jump back skips nothing.
int Compress(Compression& c, const BgrRows& rows) {
    if (setjmp(c.errors.jump) != 0) {
        jpeg_destroy_compress(&c.info);
        return c.errors.code;
    }
    jpeg_create_compress(&c.info);
    if (rows.width > 0 && rows.height > 0) {
        CompressRows(c, rows);
    }
    jpeg_destroy_compress(&c.info);
    return 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const BgrRows& rows) {
    std::vector<std::uint8_t> out;
    // As much as the raw pixels: more than quality 100 needs in practice, and pages that are
    // never written cost nothing, while growing would copy what was written.
    out.reserve(static_cast<std::size_t>(rows.width) * static_cast<std::size_t>(rows.height) * 3);
    const auto compression = std::make_unique<Compression>();
    Setup(*compression, out);
    if (const int code = Compress(*compression, rows); code != 0) {
        char message[64];
        std::snprintf(message, sizeof message, std::string(texts::kJpegErrorFormat.cp932).c_str(),
                      code);
        throw EJPEG(message);
    }
    return out;
}

}  // namespace vc
