#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "framework/capture.h"

namespace vc {

// Compressed bytes in a buffer the encoder grows in place.
struct JpegBytes {
    struct Free {
        void operator()(std::uint8_t* bytes) const { std::free(bytes); }
    };
    std::unique_ptr<std::uint8_t, Free> data;
    std::size_t size = 0;
    std::size_t capacity = 0;

    std::span<const std::uint8_t> Bytes() const { return {data.get(), size}; }
};

// Baseline JFIF of quality 100 with the float DCT, all tables written, rows handed over
// top to bottom from a 24-bit copy; nothing for a capture without pixels. EJPEG with the
// library's message code when it stops with an error; warnings are dropped.
JpegBytes EncodeJpeg(const Capture& capture);

}  // namespace vc
