#include "framework/layout_text.h"

#include <cctype>
#include <exception>

#include "framework/errors.h"

namespace vc {
namespace {

bool IsNameChar(char c, bool first) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' ||
           (!first && (std::isdigit(static_cast<unsigned char>(c)) || c == '.'));
}

std::string ParseQuoted(std::string_view text, int line) {
    std::string out;
    std::size_t i = 1;
    for (; i < text.size(); ++i) {
        if (text[i] == '\'') {
            if (i + 1 < text.size() && text[i + 1] == '\'') {
                out += '\'';
                ++i;
                continue;
            }
            break;
        }
        out += text[i];
    }
    if (i + 1 != text.size()) {
        MalformedLayout(line, text);
    }
    return out;
}

}  // namespace

void MalformedLayout(int line, std::string_view text) {
    throw ELayoutError(line, "cannot read \"" + std::string(text) + "\"");
}

std::string_view TrimLayoutText(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

bool IsLayoutName(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IsNameChar(s[i], i == 0) || (s[i] == '.' && i + 1 == s.size())) {
            return false;
        }
    }
    return true;
}

LayoutValue ParseLayoutValue(std::string_view text, int line,
                             const std::function<std::string(std::string_view)>& toCp932) {
    LayoutValue value;
    value.line = line;
    if (text.empty()) {
        MalformedLayout(line, text);
    }
    if (text.front() == '\'') {
        value.kind = LayoutValue::Kind::String;
        const std::string utf8 = ParseQuoted(text, line);
        try {
            value.text = toCp932(utf8);
        } catch (const std::exception& error) {
            // Bytes that are not UTF-8, or a character CP932 lacks, are the layout's fault too.
            throw ELayoutError(line, "cannot read \"" + std::string(text) + "\": " + error.what());
        }
    } else if (text.front() == '[') {
        if (text.back() != ']') {
            MalformedLayout(line, text);
        }
        value.kind = LayoutValue::Kind::Set;
        std::string_view rest = text.substr(1, text.size() - 2);
        while (!TrimLayoutText(rest).empty()) {
            const std::size_t comma = rest.find(',');
            const std::string_view item = TrimLayoutText(rest.substr(0, comma));
            if (!IsLayoutName(item)) {
                MalformedLayout(line, text);
            }
            value.items.emplace_back(item);
            rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        }
    } else if (IsLayoutName(text)) {
        value.kind = LayoutValue::Kind::Identifier;
        value.text = text;
    } else {
        const bool hex = text.front() == '$';
        const std::string digits(text.substr(hex ? 1 : 0));
        std::size_t used = 0;
        try {
            value.integer = std::stoll(digits, &used, hex ? 16 : 10);
        } catch (const std::exception&) {
            MalformedLayout(line, text);
        }
        if (used != digits.size() || digits.empty() || (hex && digits.front() == '-')) {
            MalformedLayout(line, text);
        }
    }
    return value;
}

}  // namespace vc
