#include "tests/profile/case_runner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "settings/value_rules.h"

namespace vc::profile_cases {
namespace {

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            ++at;
        }
        const size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') {
            ++at;
        }
        if (at > start) {
            words.push_back(line.substr(start, at - start));
        }
    }
    return words;
}

std::string Quoted(std::string_view bytes) {
    return "\"" + Escape(bytes) + "\"";
}

std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Everything the case left behind, so that a failed write shows any stray file or folder it made.
void PrintFolder(const std::filesystem::path& folder, std::ostream& out) {
    std::vector<std::filesystem::directory_entry> entries(
        std::filesystem::recursive_directory_iterator(folder), {});
    std::sort(entries.begin(), entries.end());
    if (entries.empty()) {
        out << "  no file\n";
    }
    for (const auto& entry : entries) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        if (entry.is_directory()) {
            out << "  folder " << name << "/\n";
            continue;
        }
        const std::string bytes = ReadBytes(entry.path()).value_or("");
        out << "  file " << name << ", " << bytes.size() << " bytes\n";
        for (size_t at = 0; at < bytes.size();) {
            const size_t end = bytes.find('\n', at);
            const size_t next = end == std::string::npos ? bytes.size() : end + 1;
            out << "  | " << Quoted(std::string_view(bytes).substr(at, next - at)) << "\n";
            at = next;
        }
    }
}

constexpr auto kWriteBits = std::filesystem::perms::owner_write |
                            std::filesystem::perms::group_write |
                            std::filesystem::perms::others_write;

}  // namespace

std::string Unescape(std::string_view text) {
    std::string bytes;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\') {
            bytes += text[at];
            continue;
        }
        if (++at == text.size()) {
            throw std::runtime_error("lone backslash at the end");
        }
        switch (text[at]) {
            case '\\':
                bytes += '\\';
                break;
            case '"':
                bytes += '"';
                break;
            case 's':
                bytes += ' ';
                break;
            case 't':
                bytes += '\t';
                break;
            case 'r':
                bytes += '\r';
                break;
            case 'n':
                bytes += '\n';
                break;
            case 'e':
                break;
            case 'x': {
                const int high = at + 1 < text.size() ? HexDigit(text[at + 1]) : -1;
                const int low = at + 2 < text.size() ? HexDigit(text[at + 2]) : -1;
                if (high < 0 || low < 0) {
                    throw std::runtime_error("\\x needs two hex digits");
                }
                bytes += static_cast<char>(high * 16 + low);
                at += 2;
                break;
            }
            case '{': {
                const size_t close = text.find('}', at);
                if (bytes.empty() || close == std::string_view::npos || close == at + 1) {
                    throw std::runtime_error("\\{N} needs a byte before it and a count");
                }
                size_t count = 0;
                for (size_t digit = at + 1; digit < close; ++digit) {
                    if (text[digit] < '0' || text[digit] > '9') {
                        throw std::runtime_error("\\{N} needs a decimal count");
                    }
                    count = count * 10 + static_cast<size_t>(text[digit] - '0');
                }
                if (count == 0 || count > 100000) {
                    throw std::runtime_error("\\{N} count out of range");
                }
                bytes.append(count - 1, bytes.back());
                at = close;
                break;
            }
            default:
                throw std::runtime_error(std::string("unknown escape \\") + text[at]);
        }
    }
    return bytes;
}

std::string Escape(std::string_view bytes) {
    constexpr size_t kShortestRun = 8;
    std::string text;
    for (size_t at = 0; at < bytes.size();) {
        size_t run = 1;
        while (at + run < bytes.size() && bytes[at + run] == bytes[at]) {
            ++run;
        }
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const size_t copies = run >= kShortestRun ? 1 : run;
        for (size_t copy = 0; copy < copies; ++copy) {
            switch (byte) {
                case '\\':
                    text += "\\\\";
                    break;
                case '"':
                    text += "\\\"";
                    break;
                case '\t':
                    text += "\\t";
                    break;
                case '\r':
                    text += "\\r";
                    break;
                case '\n':
                    text += "\\n";
                    break;
                default:
                    if (byte >= 0x20 && byte < 0x7F) {
                        text += static_cast<char>(byte);
                    } else {
                        constexpr char kHex[] = "0123456789ABCDEF";
                        text += "\\x";
                        text += kHex[byte >> 4];
                        text += kHex[byte & 15];
                    }
            }
        }
        if (copies == 1 && run > 1) {
            text += "\\{" + std::to_string(run) + "}";
        }
        at += run;
    }
    return text;
}

Case ParseCase(std::string name, std::string_view text) {
    Case c;
    c.name = std::move(name);
    size_t number = 0;
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        try {
            const std::vector<std::string_view> words = SplitWords(line);
            if (words.empty() || words[0].front() == '#') {
                continue;
            }
            const std::string_view verb = words[0];
            if (verb == "file") {
                const size_t start = line.find("file") + 4;
                const std::string_view rest = start < line.size() ? line.substr(start + 1) : "";
                c.file = c.file.value_or("") + Unescape(rest);
            } else if (verb == "readonly" && words.size() == 1) {
                c.readOnly = true;
            } else if (verb == "missing-folder" && words.size() == 1) {
                c.missingFolder = true;
            } else if (verb == "flush" && words.size() == 1) {
                c.operations.push_back({});
            } else if ((verb == "get" || verb == "write") && words.size() == 4) {
                c.operations.push_back(
                    {verb == "get" ? Operation::Kind::Get : Operation::Kind::Write,
                     Unescape(words[1]), Unescape(words[2]), Unescape(words[3])});
            } else {
                throw std::runtime_error("not an operation");
            }
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(c.name + ":" + std::to_string(number) + ": " + error.what());
        }
    }
    if (c.readOnly && !c.file) {
        throw std::runtime_error(c.name + ": readonly needs a file");
    }
    if (c.missingFolder && c.file) {
        throw std::runtime_error(c.name + ": a missing folder holds no file");
    }
    return c;
}

std::vector<Case> LoadCases(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".case") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<Case> cases;
    for (const auto& file : files) {
        const std::optional<std::string> text = ReadBytes(file);
        cases.push_back(ParseCase(file.stem().string(), text.value_or("")));
    }
    return cases;
}

void RunCase(const Case& c, const std::filesystem::path& work, std::ostream& out,
             const OpenProfile& open) {
    const std::filesystem::path folder = work / c.name;
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder);
    const std::filesystem::path file =
        c.missingFolder ? folder / "missing" / "settings.ini" : folder / "settings.ini";
    // Wine re-reads a cached file only when its time has moved; a test runs faster than the
    // clock ticks, so every step gets a time of its own, as if it were a minute apart.
    const auto start = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    int step = 0;
    const auto nextTime = [&] {
        std::error_code ignored;
        std::filesystem::last_write_time(file, start + std::chrono::minutes(step++), ignored);
    };
    if (c.file) {
        std::ofstream(file, std::ios::binary) << *c.file;
        nextTime();
        if (c.readOnly) {
            std::filesystem::permissions(file, kWriteBits, std::filesystem::perm_options::remove);
        }
    }
    out << "case " << c.name << "\n";
    std::unique_ptr<Profile> profile = open(file);
    for (const Operation& op : c.operations) {
        switch (op.kind) {
            case Operation::Kind::Get: {
                const std::string value = profile->GetString(op.section, op.key, op.text);
                out << "  get " << Quoted(op.section) << " " << Quoted(op.key) << " "
                    << Quoted(op.text) << " -> " << value.size() << " " << Quoted(value) << "\n";
                break;
            }
            case Operation::Kind::Write: {
                const bool written = profile->WriteString(op.section, op.key, op.text);
                out << "  write " << Quoted(op.section) << " " << Quoted(op.key) << " "
                    << Quoted(op.text) << " -> " << (written ? "ok" : "failed") << "\n";
                break;
            }
            case Operation::Kind::Flush:
                profile->Flush();
                out << "  flush\n";
                break;
        }
        nextTime();
    }
    profile->Flush();
    profile.reset();
    if (c.readOnly) {
        std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
    PrintFolder(folder, out);
}

int RunnerMain(int argc, char** argv, const OpenProfile& open) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s CASES_FOLDER WORK_FOLDER OUT_FILE\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<Case> cases = LoadCases(argv[1]);
        const std::filesystem::path work = argv[2];
        std::filesystem::create_directories(work);
        std::ostringstream out;
        for (const Case& c : cases) {
            RunCase(c, work, out, open);
        }
        out << "end of " << cases.size() << " cases\n";
        std::ofstream file(argv[3], std::ios::binary);
        file << out.str();
        if (!file.flush()) {
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}

}  // namespace vc::profile_cases
