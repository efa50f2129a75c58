#include "platform/win32/wide_text.h"

#include <windows.h>

namespace vc {

std::wstring Cp932ToWide(std::string_view cp932) {
    if (cp932.empty()) {
        return {};
    }
    const int size = static_cast<int>(cp932.size());
    const int wideSize = MultiByteToWideChar(932, 0, cp932.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), size, wide.data(), wideSize);
    return wide;
}

}  // namespace vc
