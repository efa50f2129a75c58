#include "platform/raster/png.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vc {
namespace {

Bitmap Varied(int width, int height) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.At(x, y) =
                Rgb{static_cast<std::uint8_t>(x * 41 + y), static_cast<std::uint8_t>(255 - y * 29),
                    static_cast<std::uint8_t>(x * y * 17 + 3)};
        }
    }
    return bitmap;
}

// Hand-made PNG files, for the colour types EncodePng never writes.
std::uint32_t Crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::string Be32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}

std::string Chunk(std::string_view type, std::string_view data) {
    const std::string body = std::string(type) + std::string(data);
    return Be32(static_cast<std::uint32_t>(data.size())) + body + Be32(Crc32(body));
}

// A zlib stream of one stored block, so that no compressor is needed.
std::string Stored(std::string_view raw) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char c : raw) {
        a = (a + static_cast<unsigned char>(c)) % 65521;
        b = (b + a) % 65521;
    }
    const auto length = static_cast<std::uint16_t>(raw.size());
    const auto inverse = static_cast<std::uint16_t>(~length);
    return std::string("\x78\x01\x01", 3) + static_cast<char>(length & 0xFF) +
           static_cast<char>(length >> 8) + static_cast<char>(inverse & 0xFF) +
           static_cast<char>(inverse >> 8) + std::string(raw) + Be32(b << 16 | a);
}

const std::string kSignature = "\x89PNG\r\n\x1A\n";

// `rows` holds each row with its leading filter byte.
std::string MakePng(std::uint32_t width, std::uint32_t height, int depth, int colourType,
                    std::string_view rows, std::string_view palette = {}) {
    const std::string header = Be32(width) + Be32(height) + static_cast<char>(depth) +
                               static_cast<char>(colourType) + std::string(3, '\0');
    std::string png = kSignature + Chunk("IHDR", header);
    if (!palette.empty()) {
        png += Chunk("PLTE", palette);
    }
    if (!rows.empty()) {
        png += Chunk("IDAT", Stored(rows));
    }
    return png + Chunk("IEND", "");
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

TEST(Png, RoundTripKeepsEveryPixel) {
    for (const auto& [width, height] : {std::pair{1, 1}, {7, 5}, {300, 2}}) {
        const Bitmap bitmap = Varied(width, height);
        EXPECT_EQ(DecodePng(EncodePng(bitmap)), bitmap) << width << "x" << height;
    }
    const std::string path =
        (std::filesystem::path(::testing::TempDir()) / "vc_png_round_trip.png").string();
    WritePngFile(Varied(9, 4), path);
    EXPECT_EQ(ReadPngFile(path), Varied(9, 4));
    std::filesystem::remove(path);
}

TEST(Png, SamePictureGivesSameBytes) {
    const std::string first = EncodePng(Varied(16, 16));
    EXPECT_EQ(EncodePng(Varied(16, 16)), first);
    EXPECT_EQ(first.substr(0, 8), kSignature);
    EXPECT_EQ(first.find("tIME"), std::string::npos);
}

TEST(Png, DecodesOtherColourTypesAsRgb) {
    struct Case {
        const char* name;
        std::string png;
        Rgb left;
        Rgb right;
    };
    const Case cases[] = {
        {"grey 8", MakePng(2, 1, 8, 0, Bytes({0, 0x00, 0xFF})), {0, 0, 0}, {255, 255, 255}},
        {"grey 1", MakePng(2, 1, 1, 0, Bytes({0, 0x80})), {255, 255, 255}, {0, 0, 0}},
        {"grey alpha",
         MakePng(2, 1, 8, 4, Bytes({0, 0x80, 0x10, 0x40, 0xFF})),
         {128, 128, 128},
         {64, 64, 64}},
        {"palette 8",
         MakePng(2, 1, 8, 3, Bytes({0, 1, 0}), Bytes({0x10, 0x20, 0x30, 0xA0, 0xB0, 0xC0})),
         {0xA0, 0xB0, 0xC0},
         {0x10, 0x20, 0x30}},
        {"palette 2",
         MakePng(2, 1, 2, 3, Bytes({0, 0x20}), Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9})),
         {1, 2, 3},
         {7, 8, 9}},
        {"rgba", MakePng(2, 1, 8, 6, Bytes({0, 1, 2, 3, 0, 4, 5, 6, 0xFF})), {1, 2, 3}, {4, 5, 6}},
        {"rgb 16",
         MakePng(2, 1, 16, 2,
                 Bytes({0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xFF, 0, 0, 0x80, 0})),
         {0x12, 0x56, 0x9A},
         {0xFF, 0x00, 0x80}},
    };
    for (const Case& c : cases) {
        const Bitmap bitmap = DecodePng(c.png);
        ASSERT_EQ(bitmap.Width(), 2) << c.name;
        ASSERT_EQ(bitmap.Height(), 1) << c.name;
        EXPECT_EQ(bitmap.At(0, 0), c.left) << c.name;
        EXPECT_EQ(bitmap.At(1, 0), c.right) << c.name;
    }
}

TEST(Png, RejectsGarbage) {
    const std::string good = EncodePng(Varied(20, 20));
    std::string badCrc = good;
    badCrc[good.find("IDAT") + 6] ^= 0x01;
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"text", "not a picture at all"},
        {"signature only", kSignature},
        {"cut in half", good.substr(0, good.size() / 2)},
        {"damaged data", badCrc},
        {"no image data", MakePng(1, 1, 8, 2, "")},
        {"bad bit depth", MakePng(1, 1, 3, 2, Bytes({0, 1}))},
        {"too little data", MakePng(4, 4, 8, 2, Bytes({0, 1, 2, 3}))},
        {"huge", MakePng(100000, 100000, 8, 2, Bytes({0, 1, 2, 3}))},
    };
    for (const auto& [name, bytes] : cases) {
        EXPECT_THROW(DecodePng(bytes), std::runtime_error) << name;
    }
}

TEST(Png, FileErrorsNameThePath) {
    const std::string missing = "/nonexistent/folder/picture.png";
    for (const auto& attempt :
         {+[](const std::string& path) { ReadPngFile(path); },
          +[](const std::string& path) { WritePngFile(Varied(2, 2), path); }}) {
        try {
            attempt(missing);
            ADD_FAILURE() << "no error for " << missing;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace vc
