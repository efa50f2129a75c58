// The settings' value rules on any text, against a second reading of the same rules, and every
// value written read back.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/value_rules.h"

namespace {

[[noreturn]] void Violated(const char* what, std::string_view text) {
    std::fprintf(stderr, "fuzz_value_rules: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

bool AllOf(std::string_view text, bool (*digit)(char)) {
    for (const char c : text) {
        if (!digit(c)) {
            return false;
        }
    }
    return !text.empty();
}

bool IsDecimal(char c) {
    return c >= '0' && c <= '9';
}

bool IsHex(char c) {
    return IsDecimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::optional<std::uint64_t> Number(std::string_view digits, int base) {
    if (!AllOf(digits, base == 16 ? IsHex : IsDecimal)) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// The integer rule as value_rules.h states it, read through the standard library.
std::optional<std::int32_t> Reference(std::string_view text, bool zeroXToDollar) {
    std::string rewritten;
    if (zeroXToDollar && text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) {
        rewritten = "$" + std::string(text.substr(2));
        text = rewritten;
    }
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (text.empty()) {
        return std::nullopt;
    }
    std::optional<std::uint64_t> hex;
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') {
        hex = Number(text.substr(1), 16);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = Number(text.substr(2), 16);
    } else {
        const bool negative = text[0] == '-';
        const std::optional<std::uint64_t> value =
            Number(text.substr(text[0] == '-' || text[0] == '+' ? 1 : 0), 10);
        if (!value || *value > (negative ? 2147483648u : 2147483647u)) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value)
                                                  : static_cast<std::int64_t>(*value));
    }
    if (!hex || *hex > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*hex));
}

std::uint32_t Word(const std::uint8_t* data, std::size_t size, std::size_t at) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        word = word << 8 | (at + i < size ? data[at + i] : 0u);
    }
    return word;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto fallback = static_cast<std::int32_t>(Word(data, size, 0));

    for (const bool zeroXToDollar : {false, true}) {
        const std::optional<std::int32_t> parsed = vc::ParseIntegerText(text, zeroXToDollar);
        if (parsed != Reference(text, zeroXToDollar)) {
            Violated(zeroXToDollar ? "ParseIntegerText(0x to $) differs from the rule"
                                   : "ParseIntegerText differs from the rule",
                     text);
        }
        if (parsed && vc::ReadInteger(vc::WriteInteger(*parsed), ~*parsed) != *parsed) {
            Violated("a parsed integer does not survive WriteInteger", text);
        }
    }
    const std::optional<std::int32_t> integer = Reference(text, true);
    if (vc::ReadInteger(text, fallback) != integer.value_or(fallback)) {
        Violated("ReadInteger differs from the rule", text);
    }
    for (const bool flag : {false, true}) {
        if (vc::ReadFlag(text, flag) != (integer ? *integer != 0 : flag)) {
            Violated("ReadFlag differs from the rule", text);
        }
        if (vc::ReadFlag(vc::WriteFlag(flag), !flag) != flag) {
            Violated("a flag does not survive WriteFlag", text);
        }
    }
    // Colours are hexadecimal digits alone.
    const vc::TColor colourFallback = Word(data, size, 4);
    const std::optional<std::uint64_t> colour = Number(text, 16);
    const vc::TColor expectedColour =
        colour && *colour <= 0xFFFFFFFFu ? static_cast<vc::TColor>(*colour) : colourFallback;
    if (vc::ReadColor(text, colourFallback) != expectedColour) {
        Violated("ReadColor differs from the rule", text);
    }
    for (std::size_t i = 0; i < 8 && (i + 1) * 4 <= size + 3; ++i) {
        const std::uint32_t word = Word(data, size, i * 4);
        const auto value = static_cast<std::int32_t>(word);
        if (vc::ReadInteger(vc::WriteInteger(value), ~value) != value) {
            Violated("an integer does not survive WriteInteger", vc::WriteInteger(value));
        }
        const std::string written = vc::WriteColor(word);
        if (written.size() < 6 || written.size() > 8 ||
            written.find_first_not_of("0123456789ABCDEF") != std::string::npos) {
            Violated("WriteColor is not 6 to 8 upper-case hexadecimal digits", written);
        }
        if (vc::ReadColor(written, ~word) != word) {
            Violated("a colour does not survive WriteColor", written);
        }
    }
    return 0;
}
