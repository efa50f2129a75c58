#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/color.h"

namespace vc {

// The value of one hexadecimal digit, either case; -1 for any other character.
int HexDigit(char c);

// The integer text rule: decimal with an optional sign, or hexadecimal after "$", "x",
// "X" or "0x"; leading spaces skipped; nothing else. Values must fit 32 bits; hexadecimal
// 80000000..FFFFFFFF are the negative numbers of that bit pattern. `zeroXToDollar` is the
// integer and flag keys' first step: a text longer than two characters starting with "0x"
// gets "$" instead.
std::optional<std::int32_t> ParseIntegerText(std::string_view text, bool zeroXToDollar);

std::int32_t ReadInteger(std::string_view text, std::int32_t fallback);
bool ReadFlag(std::string_view text, bool fallback);
// The stored text is read with "$" in front: hex digits only.
std::optional<TColor> ParseColorText(std::string_view text);
TColor ReadColor(std::string_view text, TColor fallback);

std::string WriteInteger(std::int32_t value);
std::string WriteFlag(bool value);
// Upper-case hexadecimal, at least 6 digits.
std::string WriteColor(TColor value);

}  // namespace vc
