#pragma once

namespace vc {

// True for a CP932 lead byte of a double-byte character.
inline constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace vc
