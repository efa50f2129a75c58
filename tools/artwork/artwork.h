#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/bitmap.h"

// The clock's pictures, painted by code so that they can be rebuilt exactly.
namespace vc::artwork {

enum class ButtonState { kNormal, kOver, kDown };

// 18 x 18 close button on a stone tile.
Bitmap Button(ButtonState state);

// 175 x 9 metal bars above and below the clock line; they tile side by side.
Bitmap FrameTop();
Bitmap FrameBottom();

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// Top row first; straight (not premultiplied) alpha.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    const Rgba& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// 32 x 32 emblem of the program.
RgbaImage IconImage();

// An ICO file holding this one image: 32 bits per pixel plus the 1-bit mask.
std::string EncodeIco(const RgbaImage& image);

struct OutputFile {
    std::string name;
    std::string bytes;
};

// Every file of resources/ that the painter owns, in a fixed order.
std::vector<OutputFile> AllFiles();

}  // namespace vc::artwork
