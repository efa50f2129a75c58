#pragma once
#include <string>
#include <string_view>

namespace vc {

// Conversions between the program's CP932 texts and UTF-8 for a terminal.
// Both throw std::runtime_error on bytes the other side cannot represent.
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8ToCp932(std::string_view utf8);

}  // namespace vc
