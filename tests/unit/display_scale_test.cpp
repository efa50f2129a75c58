#include "framework/scaled_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace vc {
namespace {

TEST(DpiScale, RoundsHalvesAwayFromZeroBothWays) {
    const struct {
        int dpi;
        int units;
        int px;
        int back;  // px to units
    } cases[] = {
        {96, 175, 175, 175},  {120, 175, 219, 175}, {144, 175, 263, 175},
        {192, 175, 350, 175}, {144, 1, 2, 1},       {144, -1, -2, -1},
        {144, -3, -5, -3},    {120, 2, 3, 2},       {144, 1105, 1658, 1105},
    };
    for (const auto& c : cases) {
        const DpiScale scale(c.dpi);
        EXPECT_EQ(scale.Px(c.units), c.px) << c.dpi << " " << c.units;
        EXPECT_EQ(scale.Units(c.px), c.back) << c.dpi << " " << c.px;
    }
    EXPECT_EQ(DpiScale(0).Dpi(), kDesignDpi) << "no DPI reported counts as 96";
    EXPECT_EQ(DpiScale(144).UnitsCovering(Rect{1, 1, 4, 4}), (Rect{0, 0, 3, 3}));
    EXPECT_EQ(DpiScale(144).UnitsCovering(Rect{-4, 0, -1, 3}), (Rect{-3, 0, 0, 2}));
}

// A 150 % laptop panel as the primary, a 100 % monitor to its right, a 200 % one to its left.
const std::vector<MonitorScale> kMixed{
    {Rect{0, 0, 2880, 1800}, 144}, {Rect{2880, 0, 4800, 1080}, 96}, {Rect{-3840, 0, 0, 2160}, 192}};

TEST(ScreenUnits, EachMonitorKeepsItsCornerAndShowsItsSizeInUnits) {
    EXPECT_EQ(UnitsOf(kMixed[0]), (Rect{0, 0, 1920, 1200}));
    EXPECT_EQ(UnitsOf(kMixed[1]), (Rect{2880, 0, 4800, 1080}));
    EXPECT_EQ(UnitsOf(kMixed[2]), (Rect{-3840, 0, -1920, 1080}));
    EXPECT_EQ(UnitsOf(MonitorScale{Rect{0, 0, 1366, 768}, 120}), (Rect{0, 0, 1092, 614}))
        << "rounded down: a window inside in units is inside in pixels";
}

// A stored place in units, where the strip (175 x 38 units) lands in pixels, and the place
// stored again from there.
TEST(ScreenUnits, APlaceGoesToThePixelsOfItsMonitorAndComesBackTheSame) {
    const struct {
        const char* what;
        Point units;
        Rect pixels;
    } cases[] = {
        {"on the 150 % primary", {200, 100}, {300, 150, 563, 207}},
        {"flush right on it", {1920 - 175, 1200 - 38}, {2880 - 263, 1800 - 57, 2880, 1800}},
        {"on the 100 % monitor", {3000, 500}, {3000, 500, 3175, 538}},
        {"on the 200 % monitor left of the primary", {-3000, 100}, {-2160, 200, -1810, 276}},
    };
    for (const auto& c : cases) {
        const Rect units = RectAt(c.units.x, c.units.y, 175, 38);
        const PixelPlace place = UnitsToPixels(kMixed, units);
        EXPECT_EQ(place.pixels, c.pixels) << c.what;
        EXPECT_EQ(PixelsToUnits(kMixed, place.pixels, place.dpi), units) << c.what;
    }
}

TEST(ScreenUnits, OnOneMonitorAtTheOriginUnitsArePixelsOverTheScale) {
    const std::vector<MonitorScale> one{{Rect{0, 0, 1024, 768}, 144}};
    for (const int px : {0, 1, 2, 300, 409, 1023}) {
        const Rect back = PixelsToUnits(one, RectAt(px, px / 2, 263, 57), 144);
        EXPECT_EQ(back.left, DpiScale(144).Units(px)) << px;
        EXPECT_EQ(back.Width(), 175);
    }
}

Bitmap TwoColumns(Rgb left, Rgb right) {
    Bitmap picture(2, 1);
    picture.At(0, 0) = left;
    picture.At(1, 0) = right;
    return picture;
}

TEST(ScalePicture, RepeatsPixelsAtWholeMultiplesAndMixesOnlyAcrossEdgesOtherwise) {
    const Rgb black{0, 0, 0};
    const Rgb white{200, 100, 40};
    const Bitmap picture = TwoColumns(black, white);

    const Bitmap doubled = ScalePicture(picture, Size{4, 2});
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(doubled.At(0, y), black);
        EXPECT_EQ(doubled.At(1, y), black);
        EXPECT_EQ(doubled.At(2, y), white);
        EXPECT_EQ(doubled.At(3, y), white);
    }
    // 2 -> 3 columns: the middle one covers half of each.
    const Bitmap half = ScalePicture(picture, Size{3, 1});
    EXPECT_EQ(half.At(0, 0), black);
    EXPECT_EQ(half.At(1, 0), (Rgb{100, 50, 20}));
    EXPECT_EQ(half.At(2, 0), white);
    // 4 -> 5 columns (125 %): each new pixel covers 4/5 of an old one.
    Bitmap four(4, 1, black);
    four.At(2, 0) = white;
    four.At(3, 0) = white;
    const Bitmap five = ScalePicture(four, Size{5, 1});
    const std::vector<Rgb> expected{black, black, Rgb{100, 50, 20}, white, white};
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(five.At(x, 0), expected[static_cast<std::size_t>(x)]) << x;
    }
    EXPECT_TRUE(ScalePicture(picture, Size{2, 1}) == picture);
}

TEST(ScaledPictures, ScaleAPictureOnceAndAgainOnlyWhenItChanged) {
    ScaledPictures pictures;
    Bitmap picture = TwoColumns(Rgb{0, 0, 0}, Rgb{255, 255, 255});
    const Bitmap* first = &pictures.At(picture, Size{4, 2});
    EXPECT_EQ(&pictures.At(picture, Size{4, 2}), first);
    EXPECT_EQ(pictures.At(picture, Size{4, 2}).At(3, 1), (Rgb{255, 255, 255}));
    picture.At(1, 0) = Rgb{1, 2, 3};
    EXPECT_EQ(pictures.At(picture, Size{4, 2}).At(3, 1), (Rgb{1, 2, 3}));
    EXPECT_EQ(pictures.At(picture, Size{6, 3}).Width(), 6);
}

// What the canvas below is asked to draw.
class RecordingCanvas final : public Canvas {
  public:
    void FillRect(const Rect& area, TColor) override { fills.push_back(area); }
    void DrawBitmap(Point at, const Bitmap& picture, const Rect& clip) override {
        bitmaps.push_back({at, Size{picture.Width(), picture.Height()}, clip});
    }
    void DrawText(Point at, std::string_view, const TFont& font, const Rect& clip, int) override {
        texts.push_back({at, font.Height, clip});
    }
    struct Drawn {
        Point at;
        Size size;
        Rect clip;
    };
    struct Text {
        Point at;
        int height;
        Rect clip;
    };
    std::vector<Rect> fills;
    std::vector<Drawn> bitmaps;
    std::vector<Text> texts;
};

TEST(ScaledCanvas, ScalesAreasPlacesPicturesAndFontHeights) {
    RecordingCanvas pixels;
    ScaledPictures pictures;
    ScaledCanvas canvas(pixels, DpiScale(144), pictures);
    canvas.FillRect(Rect{0, 0, 350, 20}, 0);
    canvas.DrawBitmap(Point{2, 10}, Bitmap(18, 18), Rect{0, 0, 350, 38});
    TFont font;
    font.Height = -12;
    canvas.DrawText(Point{23, 13}, "555", font, Rect{22, 13, 160, 25}, -1);
    ASSERT_EQ(pixels.fills.size(), 1u);
    EXPECT_EQ(pixels.fills[0], (Rect{0, 0, 525, 30}));
    ASSERT_EQ(pixels.bitmaps.size(), 1u);
    EXPECT_EQ(pixels.bitmaps[0].at, (Point{3, 15}));
    EXPECT_EQ(pixels.bitmaps[0].size, (Size{27, 27})) << "from the scaled place to the scaled edge";
    EXPECT_EQ(pixels.bitmaps[0].clip, (Rect{0, 0, 525, 57}));
    ASSERT_EQ(pixels.texts.size(), 1u);
    EXPECT_EQ(pixels.texts[0].at, (Point{35, 20}));
    EXPECT_EQ(pixels.texts[0].height, -18);
    EXPECT_EQ(pixels.texts[0].clip, (Rect{33, 20, 240, 38}));
}

}  // namespace
}  // namespace vc
