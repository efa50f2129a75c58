#pragma once
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace vc {

// printf into a fixed buffer, for short texts whose pieces have small, known bounds;
// anything past 63 bytes is cut.
template <typename... Args>
std::string Printf(std::string_view format, Args... args) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, std::string(format).c_str(), args...);
    const int kept = n < 0 ? 0 : std::min(n, static_cast<int>(sizeof buffer) - 1);
    return std::string(buffer, static_cast<std::size_t>(kept));
}

}  // namespace vc
