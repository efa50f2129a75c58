#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/bitmap.h"

namespace vc::test {

// A folder of its own for one test, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        path = std::filesystem::temp_directory_path() /
               ("vc-shots-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // As the program names files: the folder, "\", the name.
    std::string Windows(const std::string& name) const { return path.string() + "\\" + name; }
    std::filesystem::path File(const std::string& name) const { return path / name; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path path;
};

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
