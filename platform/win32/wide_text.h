#pragma once
#include <string>
#include <string_view>

namespace vc {

// The program's texts are CP932; Windows gets them as UTF-16 so that they read right
// whatever the system's ANSI code page is.
std::wstring Cp932ToWide(std::string_view cp932);
// Paths and names from the system's ANSI functions.
std::wstring AnsiToWide(std::string_view ansi);
// A lead byte of the system's ANSI code page (none on a Western Windows).
bool IsAnsiLeadByte(unsigned char byte);
// For the stored layout, whose texts are UTF-8.
std::string Utf8ToCp932(std::string_view utf8);

}  // namespace vc
