#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/vlttime/render_command.h"
#include "app/vlttime/run.h"
#include "app/vlttime/strip_render.h"
#include "app/vlttime/usage.h"
#include "platform/raster/png.h"
#include "tests/support/local_time_fixture.h"
#include "tests/support/scratch_folder.h"

namespace vc::vlttime {
namespace {

using test::Local;

const SystemTime kNow = Local(12, 8, 21, 33, 42, 0, 2);
const SystemTime kMarch1 = Local(3, 1, 0, 0, 0, 0, 0);
const SystemTime kDec8 = Local(12, 8, 21, 33, 42, 250, 2);

RenderOptions With(void (*change)(RenderOptions&)) {
    RenderOptions options;
    change(options);
    return options;
}

struct AcceptedCase {
    std::vector<std::string_view> args;
    RenderOptions options;
};

class AcceptedRenderOptions : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedRenderOptions, SetTheirFields) {
    const RenderParse parse = ParseRenderOptions(GetParam().args);
    EXPECT_EQ(parse.error, "");
    EXPECT_TRUE(parse.options == GetParam().options);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AcceptedRenderOptions,
    testing::Values(
        AcceptedCase{{"--out", "a.png"}, With([](RenderOptions& o) { o.out = "a.png"; })},
        AcceptedCase{{"--out=a.png", "--at", "2026-03-01 00:00:00", "--width", "350", "--12h",
                      "--look", "over"},
                     With([](RenderOptions& o) {
                         o.out = "a.png";
                         o.at = kMarch1;
                         o.width = 350;
                         o.hour24 = false;
                         o.look = ButtonLook::Over;
                     })},
        AcceptedCase{{"--look=down", "--settings=clock.ini", "--width=175", "--12h",
                      "--at=2026-12-08 21:33:42.250", "--out", "b.png", "--scale=150"},
                     With([](RenderOptions& o) {
                         o.out = "b.png";
                         o.dpi = 144;
                         o.at = kDec8;
                         o.width = 175;
                         o.hour24 = false;
                         o.look = ButtonLook::Down;
                         o.settings = "clock.ini";
                     })},
        AcceptedCase{{"--look", "normal", "--out=-strip.png"}, With([](RenderOptions& o) {
                         o.out = "-strip.png";
                         o.look = ButtonLook::Normal;
                     })},
        AcceptedCase{{"--help"}, With([](RenderOptions& o) { o.help = true; })},
        // Help stops reading, so nothing after it can be an error.
        AcceptedCase{{"--out", "a.png", "-h", "--bogus"}, With([](RenderOptions& o) {
                         o.out = "a.png";
                         o.help = true;
                     })}));

struct RejectedCase {
    std::vector<std::string_view> args;
    const char* error;
};

class RejectedRenderOptions : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedRenderOptions, NameTheArgumentAndWhatIsExpected) {
    EXPECT_EQ(ParseRenderOptions(GetParam().args).error, GetParam().error);
}

constexpr const char* kUnknownJson =
    R"("--json": unknown option for render; expected one of --out, --at, --width, --look, )"
    R"(--settings, --scale, --12h, -h, --help)";

INSTANTIATE_TEST_SUITE_P(
    Examples, RejectedRenderOptions,
    testing::Values(
        RejectedCase{{}, "--out: missing; expected --out FILE.png"},
        RejectedCase{{"--at", "2026-03-01 00:00:00", "--12h"},
                     "--out: missing; expected --out FILE.png"},
        RejectedCase{{"--out", "a.png", "--json"}, kUnknownJson},
        RejectedCase{{"--12h=yes", "--out", "a.png"},
                     R"("--12h=yes": unknown option for render; expected one of --out, --at, )"
                     R"(--width, --look, --settings, --scale, --12h, -h, --help)"},
        RejectedCase{{"--out", "a.png", "--width", "200"},
                     R"(--width "200": not a strip width; expected 175 or 350)"},
        RejectedCase{{"--width=0350", "--out", "a.png"},
                     R"(--width "0350": not a strip width; expected 175 or 350)"},
        RejectedCase{{"--out", "a.png", "--look", "hover"},
                     R"(--look "hover": not a button look; expected normal, over or down)"},
        RejectedCase{{"--out"}, "--out: missing value; expected a PNG file path"},
        RejectedCase{{"--out="}, R"(--out "": empty path; expected a PNG file path)"},
        RejectedCase{{"--width", "--out", "a.png"}, "--width: missing value; expected 175 or 350"},
        RejectedCase{{"--out", "a.png", "--look"},
                     "--look: missing value; expected normal, over or down"},
        RejectedCase{{"--out", "a.png", "--scale", "120"},
                     "--scale \"120\": not a display scale; expected a display scale in per "
                     "cent: 100, 125, 150, 175, 200, 225, 250, 300, 350, 400, 450, 500"},
        RejectedCase{{"--out", "a.png", "--settings"},
                     "--settings: missing value; expected an INI file path"},
        RejectedCase{{"--out", "a.png", "--at"},
                     R"(--at: missing value; expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--out", "a.png", "--at", "2026-02-30 10:00:00"},
                     R"(--at "2026-02-30 10:00:00": no day 30 in 2026-02; )"
                     R"(expected "YYYY-MM-DD hh:mm:ss[.mmm]")"},
        RejectedCase{{"--out", "a.png", "--out", "b.png"},
                     R"(--out "b.png": --out given twice; expected one output file)"},
        RejectedCase{{"--width", "350", "--out", "a.png", "--width=350"},
                     R"(--width "350": --width given twice; expected one width)"},
        RejectedCase{{"--12h", "--out", "a.png", "--12h"},
                     "--12h: given twice; expected it once"}));

class NoSleeper final : public Sleeper {
  public:
    void SleepMs(int) override { ADD_FAILURE() << "render never sleeps"; }
};

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Render(std::vector<std::string_view> args) {
    args.insert(args.begin(), "render");
    const SetClock clock(kNow);
    NoSleeper sleeper;
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, {clock, sleeper, out, err, [] { return true; }});
    return {status, out.str(), err.str()};
}

// Runs the whole program in a fresh temporary folder that goes away afterwards.
class RenderRun : public testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return scratch.File(name).string(); }
    test::ScratchFolder scratch;
    // The picture written for these options.
    Bitmap Picture(std::vector<std::string_view> args) {
        const std::string path = PathOf("picture.png");
        args.insert(args.end(), {"--out", path});
        const Outcome outcome = Render(args);
        EXPECT_EQ(outcome.status, kExitOk) << outcome.err;
        return ReadPngFile(path);
    }
};

struct PictureCase {
    std::vector<std::string_view> args;
    StripPicture shown;
};

class RenderPicture : public RenderRun, public testing::WithParamInterface<PictureCase> {};

TEST_P(RenderPicture, WritesTheStripAsTheClockShowsIt) {
    const std::string path = PathOf("strip.png");
    std::vector<std::string_view> args = GetParam().args;
    args.insert(args.end(), {"--out", path});
    const Outcome outcome = Render(args);
    const StripPicture& shown = GetParam().shown;
    EXPECT_EQ(outcome.status, kExitOk);
    const DpiScale scale(shown.dpi);
    const Size size =
        scale.Px(Size{shown.realTime.value_or(false) ? kWideWidth : kNarrowWidth, kStripHeight});
    EXPECT_EQ(outcome.out, "wrote " + path + " (" + std::to_string(size.width) + "x" +
                               std::to_string(size.height) + ")\n");
    EXPECT_EQ(outcome.err, "");
    const Bitmap written = ReadPngFile(path);
    EXPECT_EQ(written.Width(), size.width);
    EXPECT_EQ(written.Height(), size.height);
    EXPECT_TRUE(written == RenderStrip(shown));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RenderPicture,
    testing::Values(
        PictureCase{{}, StripPicture{.at = kNow}},
        PictureCase{{"--at", "2026-03-01 00:00:00", "--width", "350"},
                    StripPicture{.at = kMarch1, .realTime = true}},
        PictureCase{
            {"--12h", "--look=down", "--width=350"},
            StripPicture{.at = kNow, .realTime = true, .hour24 = false, .look = ButtonLook::Down}},
        PictureCase{{"--scale", "125", "--width=350"},
                    StripPicture{.at = kNow, .realTime = true, .dpi = 120}}));

TEST_F(RenderRun, ASettingsFileGivesColoursWidthAndHourFormAndOptionsStillWin) {
    const std::string settings = PathOf("VeltriaClock.ini");
    std::ofstream(settings) << "[VeltriaTime]\r\n24Hour=0\r\nColor=00FFFF\r\n"
                               "[RealTime]\r\nShow=1\r\n"
                               "[BackGroundColor]\r\nDefaultColor=602000\r\n";
    const Bitmap picture = Picture({"--settings", settings, "--at", "2026-03-01 00:00:00"});
    ASSERT_EQ(picture.Width(), kWideWidth);
    EXPECT_EQ(picture.At(345, 20), (Rgb{0, 0x20, 0x60})) << "the band's colour";
    EXPECT_TRUE(picture == RenderStrip(StripPicture{.at = kMarch1,
                                                    .realTime = true,
                                                    .hour24 = false,
                                                    .programPath = PathOf("VeltriaClock.exe")}));
    bool yellowText = false;
    for (int x = 22; x < 172; ++x) {
        for (int y = 13; y < 25; ++y) {
            yellowText = yellowText || picture.At(x, y) == Rgb{255, 255, 0};
        }
    }
    EXPECT_TRUE(yellowText) << "the game line's colour";
    EXPECT_EQ(Picture({"--settings", settings, "--width", "175"}).Width(), kNarrowWidth);
}

struct ChangeCase {
    std::vector<std::string_view> args;
    Rect area;  // the only pixels allowed to differ from the plain picture
};

class RenderChange : public RenderRun, public testing::WithParamInterface<ChangeCase> {};

TEST_P(RenderChange, ChangesItsAreaAndNothingElse) {
    const std::vector<std::string_view> at = {"--at", "2026-03-01 00:00:00"};
    std::vector<std::string_view> args = at;
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const Bitmap plain = Picture(at);
    const Bitmap changed = Picture(args);
    ASSERT_EQ(plain.Width(), changed.Width());
    ASSERT_EQ(plain.Height(), changed.Height());
    int inside = 0;
    for (int y = 0; y < plain.Height(); ++y) {
        for (int x = 0; x < plain.Width(); ++x) {
            if (plain.At(x, y) == changed.At(x, y)) {
                continue;
            }
            ASSERT_TRUE(GetParam().area.Contains({x, y})) << "changed at " << x << "," << y;
            ++inside;
        }
    }
    EXPECT_GT(inside, 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, RenderChange,
                         testing::Values(ChangeCase{{"--look", "over"}, Rect{2, 10, 20, 28}},
                                         ChangeCase{{"--look", "down"}, Rect{2, 10, 20, 28}},
                                         // The game line, up to its longest text.
                                         ChangeCase{{"--12h"}, Rect{22, 13, 172, 25}}));

struct RefusalCase {
    // OUT stands for a file in the temporary folder, MISSING for one in a folder that
    // does not exist.
    std::vector<std::string_view> args;
    int status;
    std::string err;
};

class RenderRefusal : public RenderRun, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RenderRefusal, WritesNothingAndSaysWhyInOneLine) {
    const std::string out = PathOf("strip.png");
    const std::string missing = PathOf("missing/strip.png");
    const auto placed = [&](std::string text) {
        for (const auto& [name, path] : {std::pair{"OUT", out}, std::pair{"MISSING", missing}}) {
            if (const std::size_t at = text.find(name); at != std::string::npos) {
                text.replace(at, std::string_view(name).size(), path);
            }
        }
        return text;
    };
    std::vector<std::string> texts;
    for (std::string_view arg : GetParam().args) {
        texts.push_back(placed(std::string(arg)));
    }
    const Outcome outcome = Render(std::vector<std::string_view>(texts.begin(), texts.end()));
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, placed(GetParam().err));
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RenderRefusal,
    testing::Values(
        RefusalCase{{"--out", "MISSING"},
                    kExitFailure,
                    R"(vlttime: --out "MISSING": cannot write the file; )"
                    "expected a path in an existing, writable folder\n"},
        RefusalCase{{"--settings", "clock.ini", "--out", "OUT"},
                    kExitUsage,
                    "vlttime: --settings: \"clock.ini\": no such file\n"},
        RefusalCase{{"--settings", "clock.cfg", "--out", "OUT"},
                    kExitUsage,
                    "vlttime: --settings: \"clock.cfg\": expected a settings file whose name "
                    "ends in .ini\n"},
        RefusalCase{
            {"--out", "OUT", "--json"}, kExitUsage, "vlttime: " + std::string(kUnknownJson) + "\n"},
        RefusalCase{{"--out", "OUT", "--width", "200"},
                    kExitUsage,
                    "vlttime: --width \"200\": not a strip width; expected 175 or 350\n"}));

TEST(RenderUsage, HelpListsEveryOptionAndTheMainHelpNamesRender) {
    const Outcome help = Render({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_EQ(help.out, RenderUsageText());
    for (const char* text :
         {"--out ", "--out=", "--at ", "--at=", "--width", "175|350", "--12h", "normal|over|down",
          "--settings", "--scale", "-h, --help", "Exit status"}) {
        EXPECT_NE(RenderUsageText().find(text), std::string_view::npos) << text;
    }
    for (const char* text : {"vlttime render --out FILE.png", "render --help", "--look"}) {
        EXPECT_NE(UsageText().find(text), std::string_view::npos) << text;
    }
}

}  // namespace
}  // namespace vc::vlttime
