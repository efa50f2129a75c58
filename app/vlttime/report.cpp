#include "app/vlttime/report.h"

#include "app/vlttime/json_object.h"
#include "app/vlttime/local_time_text.h"
#include "clock/clock_lines.h"
#include "clock/game_phases.h"
#include "clock/game_time.h"
#include "platform/posix/cp932.h"

namespace vc::vlttime {
namespace {

std::string PhaseLine(std::string_view name, const PhaseStart& start) {
    return "next " + std::string(name) + ": " + FormatLocalTime(start.at) + " (in " +
           FormatDuration(start.msAway) + ")";
}

std::vector<std::string> TextReport(const Options& options, const SystemTime& local) {
    const auto encode = [&](const std::string& cp932) {
        return options.sjis ? cp932 : Cp932ToUtf8(cp932);
    };
    std::vector<std::string> lines{encode(FormatGameLine(CalcGameTime(local), options.hour24))};
    if (options.real) {
        lines.push_back(encode(FormatRealLine(local, options.hour24)));
    }
    if (options.next) {
        lines.push_back(PhaseLine("dawn", NextGameDawn(local)));
        lines.push_back(PhaseLine("dusk", NextGameDusk(local)));
    }
    return lines;
}

std::string JsonReport(const Options& options, const SystemTime& local) {
    const GameTime game = CalcGameTime(local);
    JsonObject json;
    json.Number("month", game.Month)
        .Number("day", game.Day)
        .Number("hour", game.Hour)
        .Number("minute", game.Minute)
        .Number("second", game.Second)
        .Bool("night", IsGameNight(game))
        .String("game_line", Cp932ToUtf8(FormatGameLine(game, options.hour24)))
        .String("real_line", Cp932ToUtf8(FormatRealLine(local, options.hour24)));
    if (options.next) {
        const PhaseStart dawn = NextGameDawn(local);
        const PhaseStart dusk = NextGameDusk(local);
        json.String("next_dawn", FormatLocalTime(dawn.at))
            .Number("ms_to_dawn", dawn.msAway)
            .String("next_dusk", FormatLocalTime(dusk.at))
            .Number("ms_to_dusk", dusk.msAway);
    }
    return json.Text();
}

}  // namespace

std::vector<std::string> Report(const Options& options, const SystemTime& local) {
    return options.json ? std::vector<std::string>{JsonReport(options, local)}
                        : TextReport(options, local);
}

}  // namespace vc::vlttime
