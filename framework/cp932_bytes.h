#pragma once
#include <cstddef>
#include <string_view>

namespace vc {

// True for a CP932 lead byte of a double-byte character.
inline constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The longest start of `cp932` that fits `maxBytes` and ends on a whole character: a
// double-byte character that would not fit is left out whole, never halved.
inline constexpr std::string_view WholeCharactersWithin(std::string_view cp932,
                                                        std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < cp932.size()) {
        const std::size_t length =
            IsLeadByte(static_cast<unsigned char>(cp932[end])) && end + 1 < cp932.size() ? 2 : 1;
        if (end + length > maxBytes) {
            break;
        }
        end += length;
    }
    return cp932.substr(0, end);
}

}  // namespace vc
