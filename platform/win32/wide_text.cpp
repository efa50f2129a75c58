#include "platform/win32/wide_text.h"

#include <windows.h>

namespace vc {

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), wideSize);
    return wide;
}

}  // namespace

std::wstring Cp932ToWide(std::string_view cp932) {
    return ToWide(932, cp932);
}

std::wstring AnsiToWide(std::string_view ansi) {
    return ToWide(CP_ACP, ansi);
}

bool IsAnsiLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

std::string Utf8ToCp932(std::string_view utf8) {
    const std::wstring wide = ToWide(CP_UTF8, utf8);
    if (wide.empty()) {
        return {};
    }
    const int wideSize = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(932, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(932, 0, wide.data(), wideSize, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace vc
