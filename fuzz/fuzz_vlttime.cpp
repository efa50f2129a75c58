// vlttime's command lines and `vlttime settings` on any arguments and any settings file.
//
// The input is the arguments, each ended by 0x1F, then 0x1E and the settings file's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/vlttime/local_time_text.h"
#include "app/vlttime/options.h"
#include "app/vlttime/render_command.h"
#include "app/vlttime/run.h"
#include "app/vlttime/settings_command.h"
#include "fuzz/scratch_file.h"
#include "platform/posix/ini_profile.h"
#include "platform/posix/posix_shell.h"
#include "settings/settings.h"

namespace {

constexpr char kArgumentEnd = '\x1F';
constexpr char kFileStart = '\x1E';

[[noreturn]] void Violated(const std::string& what) {
    std::fprintf(stderr, "fuzz_vlttime: %s\n", what.c_str());
    std::abort();
}

bool OneLine(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

class NoSleeper final : public vc::vlttime::Sleeper {
  public:
    void SleepMs(int) override {}
};

void CheckOptions(const std::vector<std::string_view>& args) {
    const vc::vlttime::OptionsParse parse = vc::vlttime::ParseOptions(args);
    const vc::vlttime::Options& o = parse.options;
    if (!OneLine(parse.error)) {
        Violated("an option error of more than one line: " + parse.error);
    }
    if (!parse.error.empty() || o.help) {
        return;
    }
    if ((o.sjis && o.json) || (o.watch && o.at)) {
        Violated("options that exclude each other were taken together");
    }
    if (o.at) {
        const std::string shown = vc::vlttime::FormatLocalTime(*o.at);
        const vc::vlttime::LocalTimeParse again = vc::vlttime::ParseLocalTime(shown);
        if (!again.problem.empty() || again.time != *o.at) {
            Violated("--at took a time that does not read back: " + shown);
        }
    }
}

void CheckRenderOptions(const std::vector<std::string_view>& args) {
    const vc::vlttime::RenderParse parse = vc::vlttime::ParseRenderOptions(args);
    const vc::vlttime::RenderOptions& o = parse.options;
    if (!OneLine(parse.error)) {
        Violated("a render option error of more than one line: " + parse.error);
    }
    if (!parse.error.empty() || o.help) {
        return;
    }
    if (!o.out || o.out->empty() || (o.settings && o.settings->empty())) {
        Violated("render took a missing or empty path");
    }
    if (o.width && *o.width != vc::kNarrowWidth && *o.width != vc::kWideWidth) {
        Violated("render took a width the strip does not have");
    }
}

// The whole program, as a user runs it, for everything but the commands that touch files.
void CheckRun(const std::vector<std::string_view>& args) {
    if (!args.empty() &&
        (args[0] == vc::vlttime::kRenderCommand || args[0] == vc::vlttime::kSettingsCommand)) {
        return;
    }
    const vc::SetClock clock(vc::SystemTime{2026, 3, 0, 1, 0, 0, 0, 0});
    NoSleeper sleeper;
    std::ostringstream out;
    std::ostringstream err;
    const int status = vc::vlttime::Run(args, {clock, sleeper, out, err, [] { return true; }});
    const std::string error = err.str();
    if (status == vc::vlttime::kExitUsage) {
        if (!out.str().empty() || !error.starts_with("vlttime: ") || !error.ends_with('\n') ||
            !OneLine(error.substr(0, error.size() - 1))) {
            Violated("a usage error that is not one line on standard error alone: " + error);
        }
    } else if (status != vc::vlttime::kExitOk || !error.empty()) {
        Violated("status " + std::to_string(status) + " with standard error: " + error);
    }
}

// `vlttime settings` prints one line per key, as the clock takes it from the file.
void CheckSettings(const std::string& bytes) {
    const std::filesystem::path& file = vc::fuzz::ScratchFile("VeltriaClock.ini");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    const std::string path = file.string();
    const vc::SetClock clock;
    NoSleeper sleeper;
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args{path};
    const int status =
        vc::vlttime::RunSettings(args, {clock, sleeper, out, err, [] { return true; }});
    if (status != vc::vlttime::kExitOk || !err.str().empty()) {
        Violated("vlttime settings failed on a file: " + err.str());
    }
    std::vector<std::string> lines;
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) {
        lines.push_back(line);
    }
    if (lines.size() != vc::kSettings.size() || !out.str().ends_with('\n')) {
        Violated("settings described in " + std::to_string(lines.size()) + " lines: " + out.str());
    }
    vc::IniProfile profile(path);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const vc::SettingDefinition& d = vc::kSettings[i];
        const std::string& line = lines[i];
        const std::string name = std::string(d.section) + "." + std::string(d.key) + "=";
        if (!line.starts_with(name) || !OneLine(line)) {
            Violated("not a line of its own for " + name + ": " + line);
        }
        // A missing key reads as whichever fallback is asked for.
        const std::string stored = profile.GetString(d.section, d.key, "\x01");
        const bool present = stored == profile.GetString(d.section, d.key, "\x02");
        if (present == line.ends_with("  # default: missing")) {
            Violated(name + (present ? " is there but said to be missing: " : " is missing: ") +
                     line);
        }
        if (d.kind == vc::ValueKind::Folder) {
            continue;
        }
        const std::string shown = line.substr(name.size(), line.find("  # ") - name.size());
        const std::optional<vc::SettingValue> value = vc::ReadSetting(d, shown);
        if (!value || vc::WriteSetting(*value) != shown) {
            Violated(name + " shows a value the clock would not write: " + line);
        }
        const std::optional<vc::SettingValue> read = vc::ReadSetting(d, stored);
        if (present && read && (*read != *value || line.size() != name.size() + shown.size())) {
            Violated(name + " does not show the stored value as the clock takes it: " + line);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t fileStart = input.find(kFileStart);
    const std::string file(fileStart == std::string_view::npos ? std::string_view{}
                                                               : input.substr(fileStart + 1));
    input = input.substr(0, fileStart);
    std::vector<std::string_view> args;
    while (!input.empty()) {
        const std::size_t end = input.find(kArgumentEnd);
        args.push_back(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    }
    CheckOptions(args);
    CheckRenderOptions(args);
    if (!args.empty() && args[0] == vc::vlttime::kRenderCommand) {
        CheckRenderOptions({args.begin() + 1, args.end()});
    }
    CheckRun(args);
    CheckSettings(file);
    return 0;
}
