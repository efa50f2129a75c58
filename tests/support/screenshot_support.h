#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "tests/support/scratch_folder.h"

namespace vc::test {

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Eight vertical bars: red, green, blue, white, black, yellow, cyan, magenta.
inline Bitmap ColourBars(int width, int height) {
    static constexpr Rgb kBars[] = {{255, 0, 0}, {0, 255, 0},   {0, 0, 255},   {255, 255, 255},
                                    {0, 0, 0},   {255, 255, 0}, {0, 255, 255}, {255, 0, 255}};
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.At(x, y) = kBars[x * 8 / width];
        }
    }
    return picture;
}

// What a JPEG file says of itself, read back with libjpeg.
struct DecodedJpeg {
    bool jfif = false;
    int jfifMajor = 0, jfifMinor = 0, densityUnit = -1, xDensity = 0, yDensity = 0;
    bool progressive = true;
    unsigned restartInterval = 0;
    int colourSpace = 0;  // J_COLOR_SPACE
    struct Component {
        int h, v, table;
    };
    std::vector<Component> components;
    std::vector<std::vector<int>> quantTables;  // the tables the components use
    std::vector<int> markers;                   // each marker's code up to the first scan
    Bitmap pixels;
};

DecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& bytes);

// The largest difference of a colour channel.
inline int ChannelDistance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

}  // namespace vc::test
