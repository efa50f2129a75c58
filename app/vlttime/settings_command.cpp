#include "app/vlttime/settings_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <stdexcept>

#include "app/vlttime/arguments.h"
#include "app/vlttime/run.h"
#include "framework/cp932_bytes.h"
#include "platform/posix/cp932.h"
#include "platform/posix/ini_profile.h"
#include "platform/posix/posix_shell.h"
#include "platform/posix/text_codecs.h"
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
        case ValueKind::GameTimes:
            return "game times HH:MM[,HH:MM...]";
        case ValueKind::Folder:
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

// Valid UTF-8 is what decoding gives back unchanged: the decoder replaces overlong forms,
// surrogates and code points past U+10FFFF.
bool IsUtf8WithNonAscii(std::string_view bytes) {
    const bool nonAscii = std::any_of(bytes.begin(), bytes.end(), [](char byte) {
        return static_cast<unsigned char>(byte) >= 0x80;
    });
    return nonAscii && EncodeUtf8(DecodeUtf8(bytes)) == bytes;
}

// For a terminal, in UTF-8; a character CP932 does not have shows as "?" instead of hiding the
// rest.
std::string ReadAsCp932(std::string_view bytes) {
    std::string text;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length =
            IsLeadByte(static_cast<unsigned char>(bytes[at])) && at + 1 < bytes.size() ? 2 : 1;
        try {
            text += Cp932ToUtf8(bytes.substr(at, length));
        } catch (const std::runtime_error&) {
            text += '?';
        }
        at += length;
    }
    return text;
}

// Notepad saves UTF-8 unless told otherwise, and the clock reads such a folder name as other
// characters. Many UTF-8 texts are also valid CP932, so any non-ASCII UTF-8 is worth the note;
// CP932 Japanese is almost never valid UTF-8.
std::string Utf8Note(const std::optional<std::string>& stored) {
    if (!stored || !IsUtf8WithNonAscii(*stored)) {
        return "";
    }
    return "  # saved as UTF-8? read as CP932 this is \"" + ReadAsCp932(*stored) +
           "\"; save the file as ANSI in Notepad";
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

// "Section.Key=", as each line starts.
std::string LineStart(const SettingDefinition& d) {
    return std::string(d.section) + "." + std::string(d.key) + "=";
}

std::string KeyLine(const SettingDefinition& d, const std::optional<std::string>& stored) {
    const std::string name = LineStart(d);
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

// The times as taken, and each entry left out with why.
std::string AlarmTimesLine(const SettingDefinition& d, const std::optional<std::string>& stored) {
    if (!stored) {
        return KeyLine(d, stored);
    }
    const AlarmTimesRead read = ReadAlarmTimes(*stored);
    std::string line = LineStart(d) + WriteAlarmTimes(read.taken);
    for (std::size_t i = 0; i < read.ignored.size(); ++i) {
        line += (i == 0 ? "  # ignored: " : "; ") + Quoted(read.ignored[i].entry) + " is " +
                read.ignored[i].reason;
    }
    return line;
}

std::string SettingLine(const SettingDefinition& d, const std::optional<std::string>& stored,
                        const Shell& shell) {
    switch (d.kind) {
        case ValueKind::Folder:
            return FolderLine(stored, shell) + Utf8Note(stored);
        case ValueKind::GameTimes:
            return AlarmTimesLine(d, stored);
        default:
            return KeyLine(d, stored);
    }
}

}  // namespace

std::vector<std::string> DescribeSettings(const std::string& path, const Shell& shell) {
    const IniSnapshot profile(path);
    std::vector<std::string> lines;
    for (const SettingDefinition& d : kSettings) {
        const std::optional<std::string> stored = Stored(profile, d);
        lines.push_back(SettingLine(d, stored, shell));
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
