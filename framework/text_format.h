#pragma once
#include <string>
#include <string_view>

#include "framework/texts.h"

namespace vc {

// gnu_printf: both builds' vsnprintf read C99 formats (MinGW's own, not the system's).
#if defined(__GNUC__) && !defined(__clang__)
#define VC_CHECKED_FORMAT __attribute__((format(gnu_printf, 1, 2)))
#else
#define VC_CHECKED_FORMAT
#endif

// printf into a string as long as the text needs. The compiler checks a literal format
// against its arguments.
VC_CHECKED_FORMAT std::string Printf(const char* format, ...);

#undef VC_CHECKED_FORMAT

// The same for one of the program's CP932 formats: Printf<texts::kJpegErrorFormat>(code).
// As a template argument the format is a constant, which the compiler checks as a literal.
template <const texts::Text& format, typename... Args>
std::string Printf(Args... args) {
    constexpr std::string_view text = format.cp932;
    static_assert(text.data()[text.size()] == '\0', "a format is a whole literal");
    return Printf(text.data(), args...);
}

}  // namespace vc
