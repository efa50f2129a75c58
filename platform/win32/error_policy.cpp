#include "platform/win32/error_policy.h"

#include <windows.h>

#include <string>

#include "framework/errors.h"
#include "framework/texts.h"
#include "platform/win32/scoped_handle.h"

namespace vc {

void ThrowOutOfResources(std::string_view call) {
    const DWORD error = GetLastError();
    wchar_t* text = nullptr;
    const DWORD length =
        error == 0
            ? 0
            : FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const Scoped<wchar_t*, LocalFree> systemText(text);
    std::string message(texts::kOutOfResources.cp932);
    if (length > 0) {
        const int size = WideCharToMultiByte(932, 0, text, static_cast<int>(length), nullptr, 0,
                                             nullptr, nullptr);
        message.assign(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(932, 0, text, static_cast<int>(length), message.data(), size, nullptr,
                            nullptr);
        // The system's texts end in a line break.
        while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
            message.pop_back();
        }
    }
    if (!call.empty()) {
        message += " (" + std::string(call) + ")";
    }
    throw EOutOfResources(message);
}

}  // namespace vc
