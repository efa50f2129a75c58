#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "clock/clock_lines.h"
#include "platform/posix/cp932.h"
#include "platform/raster/png.h"
#include "tests/form/clock_window_fixture.h"

namespace vc {
namespace {

using test::Local;

// Byte-exact pictures of the strip; VC_UPDATE_GOLDEN=1 rewrites them from the renders.
void ExpectGolden(const Bitmap& render, const std::string& name) {
    const std::string path = std::string(VC_GOLDEN_DIR) + "/" + name + ".png";
    const char* update = std::getenv("VC_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        WritePngFile(render, path);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " missing; VC_UPDATE_GOLDEN=1 makes it";
    EXPECT_TRUE(ReadPngFile(path) == render)
        << name << " differs from " << path << "; VC_UPDATE_GOLDEN=1 rewrites it";
}

class StripPicture : public test::ClockWindow {};

TEST_F(StripPicture, DesignedLookAtBothWidths) {
    ExpectGolden(strip.Render(), "designed-175");
    Form().SetClientSize(kWideWidth, kStripHeight);
    ExpectGolden(strip.Render(), "designed-350");
}

// At a display scale the strip is drawn at the scaled size, its places scaled, its pictures
// scaled once with the filter and its texts at the scaled height; at 100 % it is the designed
// picture.
TEST_F(StripPicture, AtEachDisplayScale) {
    const struct {
        int percent;
        Size narrow;
        Size wide;
    } scales[] = {
        {100, {175, 38}, {350, 38}},
        {125, {219, 48}, {438, 48}},
        {150, {263, 57}, {525, 57}},
        {200, {350, 76}, {700, 76}},
    };
    for (const auto& s : scales) {
        strip.System().dpi = s.percent * kDesignDpi / 100;
        const std::string suffix = s.percent == 100 ? "" : "@" + std::to_string(s.percent);
        Form().SetClientSize(kNarrowWidth, kStripHeight);
        const Bitmap narrow = strip.Render();
        EXPECT_EQ((Size{narrow.Width(), narrow.Height()}), s.narrow) << s.percent;
        ExpectGolden(narrow, "designed-175" + suffix);
        Form().SetClientSize(kWideWidth, kStripHeight);
        const Bitmap wide = strip.Render();
        EXPECT_EQ((Size{wide.Width(), wide.Height()}), s.wide) << s.percent;
        ExpectGolden(wide, "designed-350" + suffix);
    }
}

TEST_F(StripPicture, ColouredBandWithBothLines) {
    Form().SetClientSize(kWideWidth, kStripHeight);
    strip.Clock().Set(Local(3, 1, 0, 0, 5, 0, 0));
    TickGameClock();
    TickRealClock();
    Form().PaintBackground(0x603010);
    ExpectGolden(strip.Render(), "band-350");
}

TEST_F(StripPicture, OverAndDownLooksOfTheButton) {
    Form().SetButtonLook(ButtonLook::Over);
    ExpectGolden(strip.Render(), "look-over");
    Form().SetButtonLook(ButtonLook::Down);
    ExpectGolden(strip.Render(), "look-down");
}

TEST_F(StripPicture, ShowsEightRivetsPerFrameRowAtFullWidth) {
    Form().SetClientSize(kWideWidth, kStripHeight);
    const Bitmap picture = strip.Render();
    for (int y : {4, 33}) {
        for (int x : {25, 55, 119, 149, 200, 230, 294, 324}) {
            EXPECT_EQ(picture.At(x, y), (Rgb{255, 255, 255})) << x << "," << y;
            EXPECT_EQ(picture.At(x + 1, y), (Rgb{0, 0, 0})) << x << "," << y;
            EXPECT_EQ(picture.At(x, y + 1), (Rgb{0, 0, 0})) << x << "," << y;
        }
    }
}

// Each pixel of the labels is band or text: none keeps an earlier band colour.
TEST_F(StripPicture, LabelsMergeWithTheBandAfterEveryColourChange) {
    Form().SetClientSize(kWideWidth, kStripHeight);
    TickGameClock();
    TickRealClock();
    for (TColor colour : {0x00007Fu, 0xFF0000u, 0x123456u}) {
        Form().PaintBackground(colour);
        const Bitmap picture = strip.Render();
        for (const TLabel* label : {Form().Label_VTime, Form().Label_RTime}) {
            const Rect r = label->BoundsRect();
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    const Rgb p = picture.At(x, y);
                    ASSERT_TRUE(p == ToRgb(colour) || p == (Rgb{255, 255, 255}))
                        << std::hex << colour << " at " << std::dec << x << "," << y;
                }
            }
        }
    }
}

TEST_F(StripPicture, ABandPaintedNarrowIsInPlaceWhenWidened) {
    Form().PaintBackground(0x00FF00);
    Form().SetClientSize(kWideWidth, kStripHeight);
    const Bitmap picture = strip.Render();
    for (int x : {175, 191, 340, 349}) {
        EXPECT_EQ(picture.At(x, 9), (Rgb{0, 255, 0})) << x;
        EXPECT_EQ(picture.At(x, 28), (Rgb{0, 255, 0})) << x;
    }
}

TEST_F(StripPicture, TheLongestLinesEndInsideTheStrip) {
    const SystemTime evening = Local(12, 31, 23, 59, 59, 999, 3);
    Form().Label_VTime->SetCaption(FormatGameLine(GameTime{12, 255, 23, 59, 59}, false));
    Form().Label_RTime->SetCaption(FormatRealLine(evening, false));
    EXPECT_EQ(Form().Label_VTime->BoundsRect().right - 1, 171);
    EXPECT_EQ(Form().Label_RTime->BoundsRect().right - 1, 329);
    const Bitmap picture = strip.Render();
    for (int y = 13; y < 25; ++y) {
        for (int x = 172; x < 175; ++x) {
            EXPECT_EQ(picture.At(x, y), (Rgb{0, 0, 0})) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace vc
