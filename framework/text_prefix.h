#pragma once
#include <string>
#include <string_view>

namespace vc {

// A caption with "&" access-key markers, as drawn: "&&" shows one "&", "&x" shows x
// underlined. CP932: a trail byte is never taken for a marker.
struct PrefixedText {
    std::string shown;
    int underline = -1;  // index of the underlined character (not byte), -1 for none
};

PrefixedText StripPrefix(std::string_view cp932);

// True for a CP932 lead byte of a double-byte character.
inline bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace vc
