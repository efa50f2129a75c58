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

}  // namespace vc
