#include "tools/artwork/artwork.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vc {
namespace {

constexpr const char* kRegenerate =
    "the files in resources/ are out of date; regenerate them from the repository root with\n"
    "  cmake --build --preset native --target vc_artgen && "
    "build/native/tools/artwork/vc_artgen resources";

std::string ReadResource(const std::string& name) {
    std::ifstream in(std::string(VC_ARTWORK_RESOURCES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = v << 8 | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return v;
}

Bitmap LoadBitmap(const std::string& name) {
    return DecodeBmp24(ReadResource(name));
}

// Largest difference of any channel.
int Distance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

Rgb Average(const Bitmap& b, const std::vector<Point>& points) {
    int r = 0;
    int g = 0;
    int bl = 0;
    for (Point p : points) {
        r += b.At(p.x, p.y).r;
        g += b.At(p.x, p.y).g;
        bl += b.At(p.x, p.y).b;
    }
    const int n = static_cast<int>(points.size());
    return Rgb{static_cast<std::uint8_t>(r / n), static_cast<std::uint8_t>(g / n),
               static_cast<std::uint8_t>(bl / n)};
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

TEST(Artwork, CommittedFilesMatchTheGenerator) {
    const std::vector<artwork::OutputFile> files = artwork::AllFiles();
    ASSERT_EQ(files.size(), 6u);
    for (const auto& file : files) {
        const std::string committed = ReadResource(file.name);
        EXPECT_TRUE(committed == file.bytes) << "resources/" << file.name << ": " << kRegenerate;
    }
}

TEST(Artwork, BitmapsAreUncompressed24BitBottomUp) {
    struct Case {
        const char* name;
        std::uint32_t width;
        std::uint32_t height;
        std::size_t size;
    };
    const std::array cases{
        Case{"btn_normal.bmp", 18, 18, 1062},   Case{"btn_over.bmp", 18, 18, 1062},
        Case{"btn_down.bmp", 18, 18, 1062},     Case{"frame_top.bmp", 175, 9, 4806},
        Case{"frame_bottom.bmp", 175, 9, 4806},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes = ReadResource(c.name);
        ASSERT_EQ(bytes.size(), c.size);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(Le(bytes, 2, 4), c.size);
        EXPECT_EQ(Le(bytes, 10, 4), 54u);
        EXPECT_EQ(Le(bytes, 14, 4), 40u);
        EXPECT_EQ(Le(bytes, 18, 4), c.width);
        EXPECT_EQ(Le(bytes, 22, 4), c.height);  // positive: rows bottom-up
        EXPECT_EQ(Le(bytes, 26, 2), 1u);
        EXPECT_EQ(Le(bytes, 28, 2), 24u);
        EXPECT_EQ(Le(bytes, 30, 4), 0u);
    }
}

TEST(Artwork, FrameStripsHaveTheirBandsRivetsAndJoinEndToEnd) {
    struct Case {
        const char* name;
        std::array<Rgb, 9> rows;  // the stated colour of each row, away from glint and rivets
        int glintRow;
    };
    const std::array cases{
        Case{"frame_top.bmp",
             {Rgb{0x36, 0x3E, 0x4B}, Rgb{0x97, 0xA0, 0xAD}, Rgb{0x36, 0x3E, 0x4B},
              Rgb{0x50, 0x58, 0x64}, Rgb{0x58, 0x5F, 0x6C}, Rgb{0x58, 0x5F, 0x6C},
              Rgb{0x60, 0x67, 0x74}, Rgb{0x36, 0x3E, 0x4B}, Rgb{0x77, 0x82, 0x91}},
             1},
        Case{"frame_bottom.bmp",
             {Rgb{0x79, 0x81, 0x93}, Rgb{0x36, 0x3E, 0x4B}, Rgb{0x60, 0x67, 0x74},
              Rgb{0x58, 0x5F, 0x6C}, Rgb{0x58, 0x5F, 0x6C}, Rgb{0x50, 0x58, 0x64},
              Rgb{0x36, 0x3E, 0x4B}, Rgb{0x98, 0xA0, 0xAD}, Rgb{0x35, 0x3E, 0x4B}},
             7},
    };
    constexpr std::array kRivets{25, 55, 119, 149};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bitmap b = LoadBitmap(c.name);
        ASSERT_EQ(b.Width(), 175);
        ASSERT_EQ(b.Height(), 9);
        for (int x : kRivets) {
            SCOPED_TRACE(x);
            EXPECT_EQ(b.At(x, 4), kWhite);
            EXPECT_EQ(b.At(x + 1, 4), kBlack);
            EXPECT_EQ(b.At(x, 5), kBlack);
        }
        for (int y = 0; y < 9; ++y) {
            SCOPED_TRACE(y);
            std::vector<Point> plain;
            for (int x = 0; x < 175; ++x) {
                const bool nearRivet = std::any_of(kRivets.begin(), kRivets.end(),
                                                   [x](int r) { return std::abs(x - r) <= 2; });
                if (!nearRivet && std::abs(x - 86) > 10) {
                    plain.push_back({x, y});
                }
            }
            EXPECT_LE(Distance(Average(b, plain), c.rows[static_cast<std::size_t>(y)]), 8);
            // Side by side, the last column meets the first.
            EXPECT_LE(Distance(b.At(174, y), b.At(0, y)), 8);
        }
        EXPECT_GT(Distance(b.At(86, c.glintRow), c.rows[static_cast<std::size_t>(c.glintRow)]), 40);
    }
}

TEST(Artwork, ButtonsShowTheirStatesOnStone) {
    struct Case {
        const char* name;
        Rgb field;
        Point onCross;
        Rgb cross;
        int shadowFrom;  // first row of the black right-hand column
    };
    // (6, 4) is the middle of the upper-left arm, (5, 4) its lower-left rim.
    const std::array cases{
        Case{"btn_normal.bmp", Rgb{0x70, 0x67, 0x5B}, {6, 4}, kBlack, 0},
        Case{"btn_over.bmp", Rgb{0x70, 0x67, 0x5B}, {6, 4}, Rgb{0x7F, 0x0E, 0x0F}, 0},
        Case{"btn_down.bmp", Rgb{0xAC, 0x92, 0x6F}, {5, 4}, Rgb{0xAE, 0x16, 0x13}, 11},
    };
    // Stone left of and above the cross.
    std::vector<Point> field;
    for (int y = 1; y <= 15; ++y) {
        field.push_back({1, y});
        field.push_back({2, y});
    }
    for (int x = 3; x <= 15; ++x) {
        field.push_back({x, 1});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bitmap b = LoadBitmap(c.name);
        ASSERT_EQ(b.Width(), 18);
        ASSERT_EQ(b.Height(), 18);
        EXPECT_LE(Distance(Average(b, field), c.field), 8);
        EXPECT_LE(Distance(b.At(c.onCross.x, c.onCross.y), c.cross), 8);
        for (int y = 0; y < 18; ++y) {
            EXPECT_EQ(b.At(17, y) == kBlack, y >= c.shadowFrom) << "right column, row " << y;
        }
        int blackBelow = 0;
        for (int x = 0; x < 18; ++x) {
            blackBelow += b.At(x, 17) == kBlack ? 1 : 0;
        }
        EXPECT_GE(blackBelow, 16);
    }
}

TEST(Artwork, IconIsOne32BitImageWithAMaskAndRoundTransparency) {
    const std::string ico = ReadResource("mainicon.ico");
    ASSERT_EQ(ico.size(), 4286u);
    EXPECT_EQ(Le(ico, 0, 2), 0u);
    EXPECT_EQ(Le(ico, 2, 2), 1u);
    EXPECT_EQ(Le(ico, 4, 2), 1u);
    EXPECT_EQ(Le(ico, 6, 1), 32u);
    EXPECT_EQ(Le(ico, 7, 1), 32u);
    EXPECT_EQ(Le(ico, 8, 1), 0u);
    EXPECT_EQ(Le(ico, 10, 2), 1u);
    EXPECT_EQ(Le(ico, 12, 2), 32u);
    EXPECT_EQ(Le(ico, 14, 4), 4264u);
    EXPECT_EQ(Le(ico, 18, 4), 22u);
    EXPECT_EQ(Le(ico, 22, 4), 40u);
    EXPECT_EQ(Le(ico, 26, 4), 32u);
    EXPECT_EQ(Le(ico, 30, 4), 64u);
    EXPECT_EQ(Le(ico, 34, 2), 1u);
    EXPECT_EQ(Le(ico, 36, 2), 32u);
    EXPECT_EQ(Le(ico, 38, 4), 0u);

    constexpr std::size_t kPixels = 22 + 40;
    constexpr std::size_t kMask = kPixels + 32 * 32 * 4;
    // Both planes are stored bottom row first.
    auto alpha = [&](int x, int y) {
        return Le(ico, kPixels + static_cast<std::size_t>((31 - y) * 32 + x) * 4 + 3, 1);
    };
    auto masked = [&](int x, int y) {
        const auto byte = Le(ico, kMask + static_cast<std::size_t>((31 - y) * 4 + x / 8), 1);
        return (byte >> (7 - x % 8) & 1) != 0;
    };
    int transparent = 0;
    int partial = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(masked(x, y), alpha(x, y) == 0) << x << "," << y;
            transparent += alpha(x, y) == 0 ? 1 : 0;
            partial += alpha(x, y) > 0 && alpha(x, y) < 255 ? 1 : 0;
        }
    }
    for (Point corner : {Point{0, 0}, Point{31, 0}, Point{0, 31}, Point{31, 31}}) {
        EXPECT_EQ(alpha(corner.x, corner.y), 0u);
    }
    EXPECT_EQ(alpha(16, 16), 255u);
    // A round emblem with a soft edge.
    EXPECT_GT(transparent, 100);
    EXPECT_LT(transparent, 250);
    EXPECT_GT(partial, 0);
}

}  // namespace
}  // namespace vc
