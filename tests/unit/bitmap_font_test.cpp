#include "platform/raster/bitmap_font.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/posix/cp932.h"

namespace vc {
namespace {

constexpr Rgb kInk{255, 255, 255};
constexpr int kCanvasWidth = 200;
constexpr int kCanvasHeight = 20;

const BitmapFont& Font() {
    static const BitmapFont font;
    return font;
}

const std::string& ClockLine() {
    static const std::string line = Utf8ToCp932("555年03月008日  23:56:48");
    return line;
}

Rect Whole() {
    return Rect{0, 0, kCanvasWidth, kCanvasHeight};
}

Bitmap Render(std::string_view cp932, Point origin = {}, const Rect& clip = Whole(),
              const BitmapFont& font = Font()) {
    Bitmap canvas(kCanvasWidth, kCanvasHeight);
    font.Draw(canvas, origin, cp932, kInk, clip);
    return canvas;
}

std::vector<Point> Inked(const Bitmap& canvas) {
    std::vector<Point> points;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) == kInk) {
                points.push_back({x, y});
            }
        }
    }
    return points;
}

TEST(BitmapFont, MeasuresSixPerSingleByteAndTwelvePerDoubleByteCharacter) {
    struct Case {
        std::string cp932;
        int width;
    };
    const Case cases[] = {
        {"", 0},
        {"AZ 09:", 36},
        {ClockLine(), 144},
        {Utf8ToCp932("ｳﾞｪﾙﾄﾘｱ"), 42},
        {Utf8ToCp932("日ｱA"), 24},
        {"\xF0\x40", 12},  // user-defined area: no glyph, full width
        {"AB\x94", 18},    // a lead byte at the end stands alone
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Font().MeasureWidth(c.cp932), c.width) << "expected " << c.width;
    }
}

TEST(BitmapFont, InksOnlyTheCharacterCell) {
    struct Case {
        const char* name;
        std::string cp932;
        int cellWidth;
        bool inked;
    };
    const Case cases[] = {
        {"A", "A", 6, true},
        {"g", "g", 6, true},
        {"yen", "\\", 6, true},
        {"katakana", Utf8ToCp932("ｱ"), 6, true},
        {"kanji", Utf8ToCp932("年"), 12, true},
        {"block", Utf8ToCp932("■"), 12, true},
        // Cells either side of gaps in JIS X 0208 pin down the Shift-JIS arithmetic.
        {"ideographic space", "\x81\x40", 12, false},
        {"comma", "\x81\x41", 12, true},
        {"geta mark", "\x81\xAC", 12, true},
        {"after geta mark", "\x81\xAD", 12, false},
        {"before element of", "\x81\xB7", 12, false},
        {"element of", "\x81\xB8", 12, true},
        {"before first kanji", "\x88\x9E", 12, false},
        {"first kanji", "\x88\x9F", 12, true},
        {"last kanji", "\xEA\xA4", 12, true},
        {"after last kanji", "\xEA\xA5", 12, false},
        {"user-defined", "\xF0\x40", 12, false},
        {"undefined byte", "\x80", 6, false},
    };
    const Point origin{5, 4};
    for (const Case& c : cases) {
        const std::vector<Point> inked = Inked(Render(c.cp932, origin));
        EXPECT_EQ(!inked.empty(), c.inked) << c.name;
        for (const Point p : inked) {
            EXPECT_TRUE(RectAt(origin.x, origin.y, c.cellWidth, 12).Contains(p))
                << c.name << " at " << p.x << "," << p.y;
        }
    }
}

TEST(BitmapFont, SharesOneBaselineAcrossItsFonts) {
    struct Case {
        const char* name;
        std::string cp932;
        int firstRow;
        int lastRow;
    };
    const Case cases[] = {
        {"A", "A", 1, 9},
        {"g", "g", 3, 11},
        {"katakana", Utf8ToCp932("ｱ"), 2, 10},
        {"kanji", Utf8ToCp932("年"), 0, 11},
    };
    for (const Case& c : cases) {
        const std::vector<Point> inked = Inked(Render(c.cp932));
        ASSERT_FALSE(inked.empty()) << c.name;
        EXPECT_EQ(inked.front().y, c.firstRow) << c.name;
        EXPECT_EQ(inked.back().y, c.lastRow) << c.name;
    }
}

TEST(BitmapFont, DrawsWithinClipAndBitmapOnly) {
    struct Case {
        Point origin;
        Rect clip;
    };
    const Case cases[] = {
        {{0, 0}, Rect{7, 2, 40, 9}},          // cuts through glyphs on every side
        {{20, 4}, Rect{-50, -50, 500, 500}},  // larger than the bitmap
        {{-9, -5}, Whole()},                  // text hangs off the top-left corner
        {{150, 12}, Whole()},                 // and off the bottom-right one
        {{0, 0}, Rect{30, 0, 30, 12}},        // empty
    };
    for (const Case& c : cases) {
        const Bitmap full = Render(ClockLine(), c.origin);
        const Bitmap clipped = Render(ClockLine(), c.origin, c.clip);
        for (int y = 0; y < kCanvasHeight; ++y) {
            for (int x = 0; x < kCanvasWidth; ++x) {
                const bool expected = full.At(x, y) == kInk && c.clip.Contains({x, y});
                ASSERT_EQ(clipped.At(x, y) == kInk, expected) << x << "," << y;
            }
        }
        if (!c.clip.Empty()) {
            EXPECT_FALSE(Inked(clipped).empty());
        }
    }
}

TEST(BitmapFont, DistinctCharactersHaveDistinctGlyphs) {
    const std::pair<std::string, std::string> pairs[] = {
        {"1", "7"},
        {"\\", "Y"},
        {Utf8ToCp932("年"), Utf8ToCp932("月")},
        {Utf8ToCp932("ｱ"), Utf8ToCp932("ｲ")},
    };
    for (const auto& [a, b] : pairs) {
        EXPECT_NE(Render(a), Render(b)) << Cp932ToUtf8(a) << " / " << Cp932ToUtf8(b);
    }
}

TEST(BitmapFont, DrawingIsRepeatable) {
    const Bitmap first = Render(ClockLine(), {2, 3});
    EXPECT_EQ(Render(ClockLine(), {2, 3}), first);
    const BitmapFont another;
    EXPECT_EQ(Render(ClockLine(), {2, 3}, Whole(), another), first);
    Bitmap twice = first;
    Font().Draw(twice, {2, 3}, ClockLine(), kInk, Whole());
    EXPECT_EQ(twice, first);
}

TEST(BitmapFont, UnderlinesTheBottomRowOfOneCharacter) {
    struct Case {
        std::size_t index;
        Rect clip;
        Rect line;
    };
    const Point origin{2, 3};
    const Case cases[] = {
        {0, Whole(), RectAt(2, 14, 6, 1)},
        {1, Whole(), RectAt(8, 14, 12, 1)},
        {2, Whole(), RectAt(20, 14, 6, 1)},
        {3, Whole(), Rect{}},
        {1, Rect{12, 0, 100, 20}, Rect{12, 14, 20, 15}},
    };
    const std::string text = "A" + Utf8ToCp932("年") + "B";
    for (const Case& c : cases) {
        Bitmap canvas(kCanvasWidth, kCanvasHeight);
        Font().DrawUnderline(canvas, origin, text, c.index, kInk, c.clip);
        std::vector<Point> expected;
        for (int x = c.line.left; x < c.line.right; ++x) {
            expected.push_back({x, c.line.top});
        }
        EXPECT_EQ(Inked(canvas), expected) << c.index;
    }
}

TEST(BitmapFont, NamesTheFontFileItCannotLoad) {
    const std::filesystem::path partial =
        std::filesystem::path(::testing::TempDir()) / "vc_bitmap_font_partial";
    std::filesystem::remove_all(partial);
    std::filesystem::create_directories(partial);
    for (const char* name : {"shnm6x12a.pcf.gz", "shnm6x12r.pcf.gz"}) {
        std::filesystem::create_symlink(std::filesystem::path(BitmapFont::kDefaultFolder) / name,
                                        partial / name);
    }
    const std::pair<std::string, std::string> cases[] = {
        {"/nonexistent/fonts", "/nonexistent/fonts/shnm6x12a.pcf.gz"},
        {partial.string(), (partial / "shnmk12.pcf.gz").string()},
    };
    for (const auto& [folder, file] : cases) {
        try {
            const BitmapFont font(folder);
            ADD_FAILURE() << "loaded fonts from " << folder;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
    }
    std::filesystem::remove_all(partial);
}

}  // namespace
}  // namespace vc
