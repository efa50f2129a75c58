#include "app/vlttime/render_command.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/vlttime/arguments.h"
#include "app/vlttime/local_time_text.h"
#include "app/vlttime/strip_render.h"
#include "platform/posix/posix_shell.h"
#include "platform/raster/png.h"

namespace vc::vlttime {
namespace {

constexpr std::string_view k12h = "--12h";

constexpr std::array<std::pair<std::string_view, ButtonLook>, 3> kLooks{{
    {"normal", ButtonLook::Normal},
    {"over", ButtonLook::Over},
    {"down", ButtonLook::Down},
}};

// Each returns what is wrong with the value, or nothing once it is stored.
std::string TakeOut(std::string_view value, RenderOptions& options) {
    if (value.empty()) {
        return "empty path";
    }
    options.out = std::string(value);
    return {};
}

std::string TakeAt(std::string_view value, RenderOptions& options) {
    const LocalTimeParse parse = ParseLocalTime(value);
    if (parse.problem.empty()) {
        options.at = parse.time;
    }
    return parse.problem;
}

std::string TakeWidth(std::string_view value, RenderOptions& options) {
    for (const int width : {kNarrowWidth, kWideWidth}) {
        if (value == std::to_string(width)) {
            options.width = width;
            return {};
        }
    }
    return "not a strip width";
}

// The display scales Windows offers, in per cent.
constexpr std::array kScales{100, 125, 150, 175, 200, 225, 250, 300, 350, 400, 450, 500};

std::string TakeScale(std::string_view value, RenderOptions& options) {
    for (const int scale : kScales) {
        if (value == std::to_string(scale)) {
            options.dpi = scale * kDesignDpi / 100;
            return {};
        }
    }
    return "not a display scale";
}

std::string ScalesExpected() {
    std::string expected;
    for (const int scale : kScales) {
        expected += (expected.empty() ? "" : ", ") + std::to_string(scale);
    }
    return expected;
}

std::string TakeLook(std::string_view value, RenderOptions& options) {
    for (const auto& [name, look] : kLooks) {
        if (value == name) {
            options.look = look;
            return {};
        }
    }
    return "not a button look";
}

std::string TakeSettings(std::string_view value, RenderOptions& options) {
    if (value.empty()) {
        return "empty path";
    }
    options.settings = std::string(value);
    return {};
}

struct ValueOption {
    std::string_view name;
    std::string expected;  // what a value looks like
    std::string_view one;  // what a single value is called
    std::string (*take)(std::string_view value, RenderOptions& options);
};

const std::array<ValueOption, 6>& ValueOptions() {
    static const std::array<ValueOption, 6> options{{
        {"--out", "a PNG file path", "output file", TakeOut},
        {"--at", Quoted(kLocalTimeForm), "time", TakeAt},
        {"--width", std::to_string(kNarrowWidth) + " or " + std::to_string(kWideWidth), "width",
         TakeWidth},
        {"--look",
         std::string(kLooks[0].first) + ", " + std::string(kLooks[1].first) + " or " +
             std::string(kLooks[2].first),
         "look", TakeLook},
        {"--settings", "an INI file path", "settings file", TakeSettings},
        {"--scale", "a display scale in per cent: " + ScalesExpected(), "scale", TakeScale},
    }};
    return options;
}

std::string ExpectedOption() {
    std::string expected = "expected one of";
    for (const ValueOption& option : ValueOptions()) {
        expected += " " + std::string(option.name) + ",";
    }
    return expected + " " + std::string(k12h) + ", -h, --help";
}

class RenderParser {
  public:
    explicit RenderParser(std::span<const std::string_view> args) : args_(args) {}

    RenderParse Run() {
        while (error_.empty() && !result_.help && !args_.Done()) {
            Take(args_.Next());
        }
        if (error_.empty() && !result_.help && !result_.out) {
            error_ = "--out: missing; expected --out FILE.png";
        }
        return {result_, error_};
    }

  private:
    void Take(std::string_view arg) {
        if (arg == "-h" || arg == "--help") {
            result_.help = true;
            return;
        }
        if (arg == k12h) {
            if (FirstTime(arg)) {
                result_.hour24 = false;
            } else {
                error_ = std::string(k12h) + ": given twice; expected it once";
            }
            return;
        }
        for (const ValueOption& option : ValueOptions()) {
            if (const OptionValue given = args_.ValueOf(arg, option.name); given.named) {
                TakeValue(option, given.value);
                return;
            }
        }
        error_ = Quoted(arg) + ": unknown option for render; " + ExpectedOption();
    }

    void TakeValue(const ValueOption& option, std::optional<std::string_view> value) {
        const std::string name(option.name);
        if (!value) {
            error_ = name + ": missing value; expected " + option.expected;
            return;
        }
        const std::string argument = name + " " + Quoted(*value);
        if (!FirstTime(option.name)) {
            error_ =
                argument + ": " + name + " given twice; expected one " + std::string(option.one);
            return;
        }
        const std::string problem = option.take(*value, result_);
        if (!problem.empty()) {
            error_ = argument + ": " + problem + "; expected " + option.expected;
        }
    }

    bool FirstTime(std::string_view name) {
        if (std::ranges::find(given_, name) != given_.end()) {
            return false;
        }
        given_.push_back(name);
        return true;
    }

    ArgumentWalk args_;
    std::vector<std::string_view> given_;
    RenderOptions result_;
    std::string error_;
};

// The strip loads the settings file as the clock would, from beside its program; the options
// given on the command line then override it.
std::string TakeSettingsFile(const std::string& path, StripPicture& picture) {
    constexpr std::string_view kExtension = ".ini";
    if (!path.ends_with(kExtension)) {
        return Quoted(path) + ": expected a settings file whose name ends in .ini";
    }
    if (PosixShell(path, std::nullopt).KindOf(path) != PathKind::File) {
        return Quoted(path) + ": no such file";
    }
    picture.programPath = path.substr(0, path.size() - kExtension.size()) + ".exe";
    return "";
}

}  // namespace

RenderParse ParseRenderOptions(std::span<const std::string_view> args) {
    return RenderParser(args).Run();
}

int RunRender(std::span<const std::string_view> args, const Environment& env) {
    const RenderParse parse = ParseRenderOptions(args);
    if (!parse.error.empty()) {
        env.err << "vlttime: " << parse.error << '\n';
        return kExitUsage;
    }
    const RenderOptions& options = parse.options;
    if (options.help) {
        env.out << RenderUsageText();
        return kExitOk;
    }
    StripPicture picture{.at = options.at ? *options.at : env.clock.Now()};
    if (options.settings) {
        const std::string problem = TakeSettingsFile(*options.settings, picture);
        if (!problem.empty()) {
            env.err << "vlttime: --settings: " << problem << '\n';
            return kExitUsage;
        }
    }
    if (options.width) {
        picture.realTime = *options.width == kWideWidth;
    }
    picture.hour24 = options.hour24;
    picture.look = options.look.value_or(picture.look);
    picture.dpi = options.dpi.value_or(picture.dpi);

    const Bitmap strip = RenderStrip(picture);
    const std::string& path = *options.out;
    try {
        WritePngFile(strip, path);
    } catch (const std::runtime_error&) {
        env.err << "vlttime: --out " << Quoted(path)
                << ": cannot write the file; expected a path in an existing, writable folder\n";
        return kExitFailure;
    }
    env.out << "wrote " << path << " (" << strip.Width() << 'x' << strip.Height() << ")\n";
    return kExitOk;
}

std::string_view RenderUsageText() {
    return R"(Usage: vlttime render --out FILE.png [options]

Draws the clock strip exactly as the clock shows it at one moment, saves it as a PNG
picture and prints one line: wrote FILE.png (WIDTHxHEIGHT)

Options:
  --out FILE.png, --out=FILE.png
              Where to write the picture; required. An existing file is replaced.
  --at "YYYY-MM-DD hh:mm:ss[.mmm]", --at="YYYY-MM-DD hh:mm:ss[.mmm]"
              Draw the strip at this local time instead of now; the same form as
              `vlttime --at`.
  --width 175|350, --width=175|350
              The strip's width: 175 (the default) shows the game line, 350 also the
              real line. The strip is 38 high (at 100 %).
  --12h       12-hour form (am/pm) for the game and real lines; the default is 24-hour.
  --look normal|over|down, --look=normal|over|down
              The button at the left: as at rest (normal, the default), under the mouse
              pointer (over) or pressed (down).
  --settings FILE.ini, --settings=FILE.ini
              Draw the strip with the clock's settings from this file: text and band
              colours, day/night band, the width (real time shown) and the hour form;
              the options above still win.
  --scale PERCENT, --scale=PERCENT
              Draw the strip as a monitor at this display scale shows it (100, the
              default; 125, 150, 175, 200 ... 500): its size, places and pictures
              scaled, texts at the scaled height. 175 x 38 at 100 % is 263 x 57 at 150 %.
  -h, --help  Print this help and exit.

Options come in any order, each at most once. A value that starts with '-' needs the
--option=VALUE form. The options of plain vlttime (--real, --json, --watch, ...) do not
apply here.

Exit status: 0 when the picture is written; 1 when it cannot be written (one line on
standard error naming the file); 2 on a usage error (bad, missing or repeated option),
reported in one line on standard error.
)";
}

}  // namespace vc::vlttime
