#include "app/vlttime/settings_command.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>

#include "app/vlttime/run.h"
#include "platform/posix/ini_profile.h"
#include "platform/posix/posix_shell.h"
#include "settings/settings.h"

namespace vc::vlttime {
namespace {

constexpr std::string_view kDocuments = "(the documents folder)";

std::string Expected(const SettingDefinition& d) {
    switch (d.kind) {
        case ValueKind::Integer:
            if (d.least != std::numeric_limits<std::int32_t>::min()) {
                return "a whole number from " + std::to_string(d.least) + " up";
            }
            return "a whole number";
        case ValueKind::Flag:
            return "a number (0 off, anything else on)";
        case ValueKind::Colour:
            return "hexadecimal digits BBGGRR";
        case ValueKind::Text:
            break;
    }
    return "a text";
}

// The profile reads a missing key as the fallback asked for, so a key whose text is the first
// fallback is told from a missing one by a second.
std::optional<std::string> Stored(const IniSnapshot& profile, const SettingDefinition& d) {
    std::string stored = profile.GetString(d.section, d.key, "\x01");
    if (stored == "\x01" && profile.GetString(d.section, d.key, "\x02") != stored) {
        return std::nullopt;
    }
    return stored;
}

std::string FolderLine(const std::optional<std::string>& stored, const Shell& shell) {
    const std::string name = "ScreenShot.SaveFolder=";
    if (!stored) {
        return name + std::string(kDocuments) + "  # default: missing";
    }
    switch (shell.KindOf(*stored)) {
        case PathKind::Folder:
            return name + *stored;
        case PathKind::File:
            return name + std::string(kDocuments) + "  # default: \"" + *stored +
                   "\" is not a folder";
        case PathKind::None:
            break;
    }
    return name + std::string(kDocuments) + "  # default: \"" + *stored + "\" does not exist";
}

std::string KeyLine(const SettingDefinition& d, const std::optional<std::string>& stored) {
    const std::string name = std::string(d.section) + "." + std::string(d.key) + "=";
    const auto fallback = ReadSetting(d, d.defaultText);
    if (!stored) {
        return name + WriteSetting(*fallback) + "  # default: missing";
    }
    if (const auto value = ReadSetting(d, *stored)) {
        return name + WriteSetting(*value);
    }
    return name + WriteSetting(*fallback) + "  # default: \"" + *stored + "\" is not " +
           Expected(d);
}

}  // namespace

std::vector<std::string> DescribeSettings(const std::string& path, const Shell& shell) {
    const IniSnapshot profile(path);
    std::vector<std::string> lines;
    for (const SettingDefinition& d : kSettings) {
        const std::optional<std::string> stored = Stored(profile, d);
        lines.push_back(d.kind == ValueKind::Text ? FolderLine(stored, shell) : KeyLine(d, stored));
    }
    return lines;
}

int RunSettings(std::span<const std::string_view> args, const Environment& env) {
    if (args.size() != 1 || args[0].starts_with("-")) {
        env.err << "vlttime: settings: expected one settings file, as in "
                   "\"vlttime settings VeltriaClock.ini\"\n";
        return kExitUsage;
    }
    const std::string path(args[0]);
    const PosixShell shell(path, std::nullopt);
    switch (shell.KindOf(path)) {
        case PathKind::None:
            env.out << "# " << path << " does not exist: every key takes its default\n";
            break;
        case PathKind::Folder:
            env.err << "vlttime: settings: " << path << " is a folder, not a settings file\n";
            return kExitUsage;
        case PathKind::File:
            if (!std::ifstream(path)) {
                env.err << "vlttime: settings: cannot read " << path << '\n';
                return kExitUsage;
            }
            break;
    }
    for (const std::string& line : DescribeSettings(path, shell)) {
        env.out << line << '\n';
    }
    return kExitOk;
}

}  // namespace vc::vlttime
