// The portable INI engine on any file and any sequence of reads and writes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz/profile_input.h"
#include "fuzz/scratch_file.h"
#include "platform/posix/ini_profile.h"
#include "settings/settings.h"

namespace {

constexpr std::size_t kLongestRead = 2047;

std::string Shown(std::string_view bytes) {
    std::string shown;
    for (const char c : bytes.substr(0, 200)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    return bytes.size() > 200 ? shown + "...(" + std::to_string(bytes.size()) + " bytes)" : shown;
}

[[noreturn]] void Violated(const std::string& what) {
    std::fprintf(stderr, "fuzz_profile: %s\n", what.c_str());
    std::abort();
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// The engine's blanks: tab, line feed, vertical tab, form feed, carriage return, Ctrl-Z, space.
bool IsBlank(char c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x1A;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Two names are one when these agree: names stop at a NUL, lose their blanks at both ends and
// ignore the case of ASCII letters only.
std::string NameKey(std::string_view name) {
    std::string key(Trim(UpToNul(name)));
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

// What a read gives back for a value just written.
std::string ReadBackOf(std::string_view value) {
    std::string_view text = Trim(UpToNul(value));
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    return std::string(text.substr(0, kLongestRead));
}

// Writes whose line reads back as the same key: a line break would split it, an "=" in the key
// would move the split, and a key starting with "[" can read as a section header.
bool KeepsItsLine(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasBreak = [](std::string_view text) {
        return UpToNul(text).find_first_of("\r\n") != std::string_view::npos;
    };
    const std::string_view name = Trim(UpToNul(key));
    return !hasBreak(section) && !hasBreak(key) && !hasBreak(value) &&
           name.find('=') == std::string_view::npos && !name.starts_with('[');
}

// A byte order mark decides the whole file's encoding, wherever it comes from.
bool StartsWithMark(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
           bytes.starts_with("\xFE\xFF");
}

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Checker {
  public:
    Checker(std::filesystem::path file, std::size_t fileSize)
        : file_(std::move(file)),
          profile_(std::make_unique<vc::IniProfile>(file_)),
          // A rewrite ends every line with CRLF and may turn a broken UTF-8 byte into three.
          bound_(5 * fileSize + 16) {}

    std::string Get(std::string_view section, std::string_view key, std::string_view fallback) {
        const std::string before = FileBytes(file_);
        std::string value = profile_->GetString(section, key, fallback);
        if (value.size() > kLongestRead) {
            Violated("a read gave " + std::to_string(value.size()) + " bytes");
        }
        if (FileBytes(file_) != before) {
            Violated("a read changed the file");
        }
        reads_[{NameKey(section), NameKey(key)}] =
            Read{std::string(section), std::string(key), std::string(fallback), value};
        return value;
    }

    void Write(std::string_view section, std::string_view key, std::string_view value) {
        const std::string before = FileBytes(file_);
        if (!profile_->WriteString(section, key, value)) {
            Violated("a write to a writable file failed");
        }
        const std::string after = FileBytes(file_);
        // Each written byte takes at most three in UTF-8, and a new line brings a header,
        // brackets, "=" and two line ends.
        bound_ += 3 * (section.size() + key.size() + value.size() + 8);
        if (after.size() > bound_) {
            Violated("the file grew to " + std::to_string(after.size()) + " bytes, past " +
                     std::to_string(bound_));
        }
        const bool shaped = KeepsItsLine(section, key, value);
        // Only a file the engine wrote itself reads back as written: its first rewrite of a
        // foreign file also drops nameless headers and empty key lines, and trims names and
        // values whose blanks a NUL kept. A name that brings a byte order mark to the start
        // re-reads the file in another encoding.
        const bool checked = settled_ && shaped && StartsWithMark(before) == StartsWithMark(after);
        const std::pair<std::string, std::string> written{NameKey(section), NameKey(key)};
        if (checked) {
            const std::string expected = ReadBackOf(value);
            const std::string fallback = expected == "\x01" ? "\x02" : "\x01";
            const std::string got = profile_->GetString(section, key, fallback);
            if (got != expected) {
                Violated("[" + Shown(section) + "] " + Shown(key) + " written as \"" +
                         Shown(value) + "\" reads back as \"" + Shown(got) + "\"");
            }
            reads_[written] = Read{std::string(section), std::string(key), fallback, expected};
        }
        // The engine keeps nothing between calls: the same bytes read the same.
        if (after != before) {
            for (auto& [names, read] : reads_) {
                if (checked && names == written) {
                    continue;
                }
                std::string now = profile_->GetString(read.section, read.key, read.fallback);
                if (checked && now != read.value) {
                    Violated("writing [" + Shown(section) + "] " + Shown(key) + "=" + Shown(value) +
                             " changed [" + Shown(read.section) + "] " + Shown(read.key) +
                             " from \"" + Shown(read.value) + "\" to \"" + Shown(now) + "\"");
                }
                read.value = std::move(now);
            }
            settled_ = shaped;
        }
    }

    void Flush() {
        profile_->Flush();
        profile_ = std::make_unique<vc::IniProfile>(file_);
    }

  private:
    struct Read {
        std::string section;
        std::string key;
        std::string fallback;
        std::string value;
    };

    std::filesystem::path file_;
    std::unique_ptr<vc::IniProfile> profile_;
    std::size_t bound_;
    bool settled_ = false;
    std::map<std::pair<std::string, std::string>, Read> reads_;
};

// A key of its own; the second write changes the file whatever it held.
void RewriteFile(Checker& checker) {
    checker.Write("\x7F", "\x7F", "1");
    checker.Write("\x7F", "\x7F", "2");
}

// What the clock does with its file: reads every key at start, writes back what it read.
void RoundTrip(Checker& checker) {
    std::map<vc::SettingKey, std::string> values;
    for (const vc::SettingDefinition& d : vc::kSettings) {
        values[d.id] = checker.Get(d.section, d.key, d.defaultText);
    }
    RewriteFile(checker);
    for (const vc::SettingDefinition& d : vc::kSettings) {
        checker.Write(d.section, d.key, values[d.id]);
    }
    checker.Flush();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vc::fuzz::ProfileInput input =
        vc::fuzz::DecodeProfileInput({reinterpret_cast<const char*>(data), size});
    const std::filesystem::path& file = vc::fuzz::ScratchFile("settings.ini");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << input.file;
    Checker checker(file, input.file.size());
    if (input.scripted) {
        RoundTrip(checker);
        return 0;
    }
    if (input.rewriteFirst) {
        RewriteFile(checker);
    }
    for (const vc::fuzz::ProfileOp& op : input.ops) {
        switch (op.kind) {
            case vc::fuzz::ProfileOp::Kind::Get:
                checker.Get(op.section, op.key, op.text);
                break;
            case vc::fuzz::ProfileOp::Kind::Write:
                checker.Write(op.section, op.key, op.text);
                break;
            case vc::fuzz::ProfileOp::Kind::Flush:
                checker.Flush();
                break;
        }
    }
    return 0;
}
