#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vc {

// Pixels as a bottom-up device-independent bitmap of 24 bits: blue, green, red.
struct BgrRows {
    int width = 0;
    int height = 0;
    const std::uint8_t* bottomUpBits = nullptr;
    std::size_t stride = 0;
};

// Baseline JFIF of quality 100 with the float DCT, all tables written, rows handed over
// top to bottom. EJPEG with the library's message code when it stops with an error;
// warnings are dropped.
std::vector<std::uint8_t> EncodeJpeg(const BgrRows& rows);

}  // namespace vc
