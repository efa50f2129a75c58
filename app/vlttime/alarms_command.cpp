#include "app/vlttime/alarms_command.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <variant>

#include "app/vlttime/arguments.h"
#include "app/vlttime/json_object.h"
#include "app/vlttime/local_time_text.h"
#include "app/vlttime/run.h"
#include "clock/game_alerts.h"
#include "clock/local_calendar.h"
#include "platform/posix/ini_profile.h"
#include "settings/settings.h"

namespace vc::vlttime {
namespace {

constexpr std::string_view kUsage =
    "expected \"vlttime alarms FILE.ini [--at \\\"YYYY-MM-DD hh:mm:ss[.mmm]\\\"] [--json]\"";

template <typename Value>
Value Taken(const IniSnapshot& file, SettingKey key) {
    const SettingDefinition& d = Definition(key);
    return std::get<Value>(TakenSetting(d, file.GetString(d.section, d.key, d.defaultText)));
}

std::string_view KindName(AlertKind kind) {
    switch (kind) {
        case AlertKind::Dusk:
            return "dusk";
        case AlertKind::Dawn:
            return "dawn";
        case AlertKind::At:
            break;
    }
    return "alarm";
}

std::string Line(const AlertOccurrence& o, std::int64_t nowMs, bool json) {
    const std::string gameTime = FormatGameMinute(o.target.gameMinuteOfDay);
    const std::string at = FormatLocalTime(FromWallClockMs(o.atMs));
    const std::string told = FormatLocalTime(FromWallClockMs(o.toldMs));
    if (json) {
        return JsonObject()
            .String("kind", KindName(o.target.kind))
            .String("game_time", gameTime)
            .String("at", at)
            .Number("ms_away", o.atMs - nowMs)
            .String("told", told)
            .Number("ms_to_told", o.toldMs - nowMs)
            .Text();
    }
    const std::string toldIn = o.toldMs >= nowMs ? "in " + FormatDuration(o.toldMs - nowMs)
                                                 : FormatDuration(nowMs - o.toldMs) + " ago";
    return std::string(KindName(o.target.kind)) + " " + gameTime + ": " + at + " (in " +
           FormatDuration(o.atMs - nowMs) + "), told " + told + " (" + toldIn + ")";
}

struct AlarmsArguments {
    std::string file;
    std::optional<SystemTime> at;
    bool json = false;
};

// The arguments, or the one-line error.
std::variant<AlarmsArguments, std::string> ParseAlarms(std::span<const std::string_view> args) {
    AlarmsArguments parsed;
    ArgumentWalk walk(args);
    while (!walk.Done()) {
        const std::string_view arg = walk.Next();
        if (const OptionValue at = walk.ValueOf(arg, "--at"); at.named) {
            const LocalTimeParse parse = ParseLocalTime(at.value.value_or(""));
            if (!at.value || !parse.problem.empty() || parsed.at) {
                return "alarms: --at: " + (at.value ? Quoted(*at.value) : "missing value") +
                       ": expected one time " + Quoted(kLocalTimeForm);
            }
            parsed.at = parse.time;
        } else if (arg == "--json") {
            parsed.json = true;
        } else if (arg.starts_with("-") || !parsed.file.empty() || arg.empty()) {
            return "alarms: " + Quoted(arg) + ": " + std::string(kUsage);
        } else {
            parsed.file = std::string(arg);
        }
    }
    if (parsed.file.empty()) {
        return "alarms: no settings file; " + std::string(kUsage);
    }
    return parsed;
}

}  // namespace

std::vector<std::string> DescribeAlarms(const std::string& path, const SystemTime& now, bool json) {
    const IniSnapshot file(path);
    const auto at = Taken<GameTimesOfDay>(file, SettingKey::AlertAt);
    const AlertChoice choice{Taken<bool>(file, SettingKey::AlertDusk),
                             Taken<bool>(file, SettingKey::AlertDawn), at.minutes,
                             Taken<std::int32_t>(file, SettingKey::AlertLead)};
    std::vector<std::string> lines;
    for (const AlertOccurrence& o : UpcomingAlerts(choice, now)) {
        lines.push_back(Line(o, WallClockMs(now), json));
    }
    if (lines.empty() && !json) {
        lines.push_back("# no alert is switched on in " + path);
    }
    return lines;
}

int RunAlarms(std::span<const std::string_view> args, const Environment& env) {
    const auto parsed = ParseAlarms(args);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        env.err << "vlttime: " << *error << '\n';
        return kExitUsage;
    }
    const auto& a = std::get<AlarmsArguments>(parsed);
    std::error_code code;
    if (std::filesystem::is_directory(a.file, code) ||
        (std::filesystem::exists(a.file, code) && !std::ifstream(a.file))) {
        env.err << "vlttime: alarms: cannot read " << a.file << " as a settings file\n";
        return kExitUsage;
    }
    if (!a.json && !std::filesystem::exists(a.file, code)) {
        env.out << "# " << a.file << " does not exist: every key takes its default\n";
    }
    for (const std::string& line : DescribeAlarms(a.file, a.at.value_or(env.clock.Now()), a.json)) {
        env.out << line << '\n';
    }
    return kExitOk;
}

}  // namespace vc::vlttime
