#include "settings/value_rules.h"

#include <cstdio>

namespace vc {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

namespace {

std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text, bool zeroXToDollar) {
    std::string rewritten;
    if (zeroXToDollar && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        rewritten = "$" + std::string(text.substr(2));
        text = rewritten;
    }
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const char first = text.front();
    if (first == '-' || first == '+') {
        return ParseDecimal(text.substr(1), first == '-');
    }
    if (first == '$' || first == 'x' || first == 'X') {
        return ParseHex(text.substr(1));
    }
    if (first == '0' && text.size() > 1 && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHex(text.substr(2));
    }
    return ParseDecimal(text, false);
}

std::int32_t ReadInteger(std::string_view text, std::int32_t fallback) {
    return ParseIntegerText(text, true).value_or(fallback);
}

bool ReadFlag(std::string_view text, bool fallback) {
    return ParseIntegerText(text, true).value_or(fallback ? 1 : 0) != 0;
}

std::optional<TColor> ParseColorText(std::string_view text) {
    const auto value = ParseIntegerText("$" + std::string(text), false);
    return value ? std::optional<TColor>(static_cast<TColor>(*value)) : std::nullopt;
}

TColor ReadColor(std::string_view text, TColor fallback) {
    return ParseColorText(text).value_or(fallback);
}

std::string WriteInteger(std::int32_t value) {
    return std::to_string(value);
}

std::string WriteFlag(bool value) {
    return value ? "1" : "0";
}

std::string WriteColor(TColor value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.6X", static_cast<unsigned>(value));
    return buffer;
}

}  // namespace vc
