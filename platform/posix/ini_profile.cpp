#include "platform/posix/ini_profile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/posix/text_codecs.h"

namespace vc {
namespace {

using Text = std::u16string;
using TextView = std::u16string_view;

// GetPrivateProfileStringA's buffer: the value is cut to it in UTF-16 characters, before the
// conversion to the ANSI code page.
constexpr size_t kBufferChars = kProfileReadBuffer;

enum class Encoding { Ansi, Utf8, Utf16Little, Utf16Big };

struct Mark {
    Encoding encoding;
    std::string_view bytes;
};

constexpr std::array<Mark, 3> kByteOrderMarks = {{{Encoding::Utf8, "\xEF\xBB\xBF"},
                                                  {Encoding::Utf16Little, "\xFF\xFE"},
                                                  {Encoding::Utf16Big, "\xFE\xFF"}}};

// Tab, line feed, vertical tab, form feed, carriage return, Ctrl-Z and space; nothing else.
bool IsBlank(char16_t c) {
    return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x1A;
}

TextView TrimLeft(TextView text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

TextView TrimRight(TextView text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

TextView Trim(TextView text) {
    return TrimRight(TrimLeft(text));
}

// Names and values are kept as C strings, so an embedded NUL ends them.
template <typename View>
View UpToNul(View text) {
    return text.substr(0, text.find(typename View::value_type{0}));
}

char16_t AsciiLower(char16_t c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + ('a' - 'A')) : c;
}

bool SameName(TextView a, TextView b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto x, auto y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

struct Key {
    Text name;
    std::optional<Text> value;  // none: a line without "="
};

struct Section {
    Text name;  // empty for the lines before the first header
    std::vector<Key> keys;
};

struct Document {
    Encoding encoding = Encoding::Ansi;
    std::vector<Section> sections{Section{}};
};

Document Parse(std::string_view bytes) {
    Document document;
    for (const Mark& mark : kByteOrderMarks) {
        if (bytes.substr(0, mark.bytes.size()) == mark.bytes) {
            document.encoding = mark.encoding;
            bytes.remove_prefix(mark.bytes.size());
            break;
        }
    }
    const Text text = document.encoding == Encoding::Ansi ? DecodeCp1252(bytes)
                      : document.encoding == Encoding::Utf8
                          ? DecodeUtf8(bytes)
                          : DecodeUtf16(bytes, document.encoding == Encoding::Utf16Big);
    bool sectionHasKeys = false;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find_first_of(u"\r\n", at), text.size());
        const TextView line = Trim(TextView(text).substr(at, end - at));
        at = end + 1;
        if (line.empty()) {
            continue;
        }
        const size_t close = line.rfind(u']');
        if (line.front() == u'[' && close != TextView::npos) {
            document.sections.push_back({Text(UpToNul(Trim(line.substr(1, close - 1)))), {}});
            sectionHasKeys = false;
            continue;
        }
        const size_t equals = line.find(u'=');
        const TextView name = equals == TextView::npos ? line : TrimRight(line.substr(0, equals));
        std::vector<Key>& keys = document.sections.back().keys;
        // A line with an empty name right after a key with an empty name is dropped.
        if (name.empty() && sectionHasKeys && keys.back().name.empty()) {
            continue;
        }
        Key key{Text(UpToNul(name)), std::nullopt};
        if (equals != TextView::npos) {
            key.value = Text(UpToNul(TrimLeft(line.substr(equals + 1))));
        }
        keys.push_back(std::move(key));
        sectionHasKeys = true;
    }
    return document;
}

std::string Serialize(const Document& document) {
    Text text;
    for (const Section& section : document.sections) {
        if (!section.name.empty()) {
            text += u"[" + section.name + u"]\r\n";
        }
        for (const Key& key : section.keys) {
            text += key.name;
            if (key.value) {
                text += u"=" + *key.value;
            }
            text += u"\r\n";
        }
    }
    if (document.encoding == Encoding::Ansi) {
        return EncodeCp1252(text);
    }
    const auto mark = std::find_if(kByteOrderMarks.begin(), kByteOrderMarks.end(),
                                   [&](const Mark& m) { return m.encoding == document.encoding; });
    return std::string(mark->bytes) +
           (document.encoding == Encoding::Utf8
                ? EncodeUtf8(text)
                : EncodeUtf16(text, document.encoding == Encoding::Utf16Big));
}

// Const or not, as the document is.
template <typename AnyDocument>
auto FindSection(AnyDocument& document, TextView name) -> decltype(&document.sections.front()) {
    const auto found = std::find_if(document.sections.begin(), document.sections.end(),
                                    [&](const Section& s) { return SameName(s.name, Trim(name)); });
    return found == document.sections.end() ? nullptr : &*found;
}

template <typename AnySection>
auto FindKey(AnySection& section, TextView name) -> decltype(&section.keys.front()) {
    const auto found = std::find_if(section.keys.begin(), section.keys.end(),
                                    [&](const Key& k) { return SameName(k.name, Trim(name)); });
    return found == section.keys.end() ? nullptr : &*found;
}

// The argument as the Windows function sees it: a C string in the ANSI code page.
Text Argument(std::string_view text) {
    return DecodeCp1252(UpToNul(text));
}

// Nothing when the file is missing; an error when it is there but cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& file, bool& failed) {
    failed = false;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
    failed = in.bad() || !in.is_open();
    return bytes;
}

// Windows refuses to open a read-only file for writing even to an administrator, so root here is
// refused too.
bool IsReadOnly(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    return std::filesystem::exists(status) &&
           (status.permissions() & std::filesystem::perms::owner_write) ==
               std::filesystem::perms::none;
}

bool WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

IniProfile::IniProfile(std::filesystem::path file) : file_(std::move(file)) {}

std::string IniProfile::GetString(std::string_view section, std::string_view key,
                                  std::string_view fallback) {
    return IniSnapshot(file_).GetString(section, key, fallback);
}

bool IniProfile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
    // The file is opened for writing first, so even a write that would change nothing fails.
    if (IsReadOnly(file_)) {
        return false;
    }
    bool failed = false;
    const std::optional<std::string> bytes = ReadBytes(file_, failed);
    if (failed) {
        return false;
    }
    Document document = bytes ? Parse(*bytes) : Document{};
    const Text sectionName = Argument(section);
    const Text keyName = Argument(key);
    const Text text(TrimLeft(Argument(value)));
    Section* target = FindSection(document, sectionName);
    if (!target) {
        // Lookups ignore blanks at both ends, but a new name keeps those at its end.
        target = &document.sections.emplace_back(Section{Text(TrimLeft(sectionName)), {}});
    }
    if (Key* entry = FindKey(*target, keyName)) {
        if (entry->value == text) {
            return true;
        }
        entry->value = text;
    } else {
        target->keys.push_back({Text(TrimLeft(keyName)), text});
    }
    return WriteBytes(file_, Serialize(document));
}

void IniProfile::Flush() {}

struct IniDocument {
    Document document;
};

IniSnapshot::IniSnapshot(const std::filesystem::path& file) {
    bool failed = false;
    document_ = std::make_unique<const IniDocument>(
        IniDocument{Parse(ReadBytes(file, failed).value_or(""))});
}

IniSnapshot::~IniSnapshot() = default;

std::string IniSnapshot::GetString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const {
    Text result;
    const Section* found = FindSection(document_->document, Argument(section));
    const Key* entry = found ? FindKey(*found, Argument(key)) : nullptr;
    if (entry && entry->value) {
        result = *entry->value;
        if (result.size() >= 2 && (result.front() == u'"' || result.front() == u'\'') &&
            result.back() == result.front()) {
            result = result.substr(1, result.size() - 2);
        }
    } else {
        result = Argument(fallback);
        // Trailing spaces only, and never the first character.
        while (result.size() > 1 && result.back() == u' ') {
            result.pop_back();
        }
    }
    result.resize(std::min(result.size(), kBufferChars - 1));
    return EncodeCp1252(result);
}

}  // namespace vc
