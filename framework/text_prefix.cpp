#include "framework/text_prefix.h"

#include "framework/cp932_bytes.h"

namespace vc {

PrefixedText StripPrefix(std::string_view cp932) {
    PrefixedText result;
    int characters = 0;
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (c == '&' && i + 1 < cp932.size()) {
            ++i;
            if (cp932[i] != '&') {
                result.underline = characters;
            }
        }
        const std::size_t length =
            IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size() ? 2 : 1;
        result.shown.append(cp932.substr(i, length));
        i += length - 1;
        ++characters;
    }
    return result;
}

}  // namespace vc
