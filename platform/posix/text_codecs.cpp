#include "platform/posix/text_codecs.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vc {
namespace {

using Text = std::u16string;
using TextView = std::u16string_view;

// Bytes 80..9F of the code page.
constexpr std::array<char16_t, 32> kAnsiHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Characters outside code page 1252 that the conversion writes as a look-alike instead of "?",
// as measured under Wine: code point << 8 | byte, sorted. Fullwidth ASCII (U+FF01..U+FF5E) follows
// a rule instead.
constexpr std::array<uint32_t, 348> kBestFit = {
    0x010041, 0x010161, 0x010241, 0x010361, 0x010441, 0x010561, 0x010643, 0x010763, 0x010843,
    0x010963, 0x010A43, 0x010B63, 0x010C43, 0x010D63, 0x010E44, 0x010F64, 0x0110D0, 0x011164,
    0x011245, 0x011365, 0x011445, 0x011565, 0x011645, 0x011765, 0x011845, 0x011965, 0x011A45,
    0x011B65, 0x011C47, 0x011D67, 0x011E47, 0x011F67, 0x012047, 0x012167, 0x012247, 0x012367,
    0x012448, 0x012568, 0x012648, 0x012768, 0x012849, 0x012969, 0x012A49, 0x012B69, 0x012C49,
    0x012D69, 0x012E49, 0x012F69, 0x013049, 0x013169, 0x01344A, 0x01356A, 0x01364B, 0x01376B,
    0x01394C, 0x013A6C, 0x013B4C, 0x013C6C, 0x013D4C, 0x013E6C, 0x01414C, 0x01426C, 0x01434E,
    0x01446E, 0x01454E, 0x01466E, 0x01474E, 0x01486E, 0x014C4F, 0x014D6F, 0x014E4F, 0x014F6F,
    0x01504F, 0x01516F, 0x015452, 0x015572, 0x015652, 0x015772, 0x015852, 0x015972, 0x015A53,
    0x015B73, 0x015C53, 0x015D73, 0x015E53, 0x015F73, 0x016254, 0x016374, 0x016454, 0x016574,
    0x016654, 0x016774, 0x016855, 0x016975, 0x016A55, 0x016B75, 0x016C55, 0x016D75, 0x016E55,
    0x016F75, 0x017055, 0x017175, 0x017255, 0x017375, 0x017457, 0x017577, 0x017659, 0x017779,
    0x01795A, 0x017A7A, 0x017B5A, 0x017C7A, 0x018062, 0x0189D0, 0x019183, 0x019749, 0x019A6C,
    0x019F4F, 0x01A04F, 0x01A16F, 0x01AB74, 0x01AE54, 0x01AF55, 0x01B075, 0x01B67A, 0x01C07C,
    0x01C321, 0x01CD41, 0x01CE61, 0x01CF49, 0x01D069, 0x01D14F, 0x01D26F, 0x01D355, 0x01D475,
    0x01D555, 0x01D675, 0x01D755, 0x01D875, 0x01D955, 0x01DA75, 0x01DB55, 0x01DC75, 0x01DE41,
    0x01DF61, 0x01E447, 0x01E567, 0x01E647, 0x01E767, 0x01E84B, 0x01E96B, 0x01EA4F, 0x01EB6F,
    0x01EC4F, 0x01ED6F, 0x01F06A, 0x026167, 0x02B927, 0x02BA22, 0x02BC27, 0x02C45E, 0x02C827,
    0x02C9AF, 0x02CAB4, 0x02CB60, 0x02CD5F, 0x02DAB0, 0x030060, 0x0301B4, 0x03025E, 0x03037E,
    0x0304AF, 0x0305AF, 0x0308A8, 0x030AB0, 0x030E22, 0x0327B8, 0x03315F, 0x03325F, 0x037E3B,
    0x039347, 0x039854, 0x03A353, 0x03A646, 0x03A94F, 0x03B161, 0x03B2DF, 0x03B464, 0x03B565,
    0x03BCB5, 0x03C070, 0x03C373, 0x03C474, 0x03C666, 0x04BB68, 0x05893A, 0x066A25, 0x200020,
    0x200120, 0x200220, 0x200320, 0x200420, 0x200520, 0x200620, 0x20102D, 0x20112D, 0x20173D,
    0x2024B7, 0x203227, 0x203560, 0x20442F, 0x2070B0, 0x207434, 0x207535, 0x207636, 0x207737,
    0x207838, 0x207F6E, 0x208030, 0x208131, 0x208232, 0x208333, 0x208434, 0x208535, 0x208636,
    0x208737, 0x208838, 0x208939, 0x20A1A2, 0x20A4A3, 0x20A750, 0x210243, 0x210745, 0x210A67,
    0x210B48, 0x210C48, 0x210D48, 0x210E68, 0x211049, 0x211149, 0x21124C, 0x21136C, 0x21154E,
    0x211850, 0x211950, 0x211A51, 0x211B52, 0x211C52, 0x211D52, 0x21245A, 0x21285A, 0x212A4B,
    0x212BC5, 0x212C42, 0x212D43, 0x212E65, 0x212F65, 0x213045, 0x213146, 0x21334D, 0x21346F,
    0x2205D8, 0x22122D, 0x2213B1, 0x22152F, 0x22165C, 0x22172A, 0x2218B0, 0x2219B7, 0x221A76,
    0x221E38, 0x22237C, 0x22296E, 0x22363A, 0x223C7E, 0x224898, 0x22613D, 0x22643D, 0x22653D,
    0x226AAB, 0x226BBB, 0x22C5B7, 0x2302A6, 0x23035E, 0x2310AC, 0x232028, 0x232129, 0x23293C,
    0x232A3E, 0x25002D, 0x2502A6, 0x250C2B, 0x25102B, 0x25142B, 0x25182B, 0x251C2B, 0x2524A6,
    0x252C2D, 0x25342D, 0x253C2B, 0x25502D, 0x2551A6, 0x25522B, 0x25532B, 0x25542B, 0x25552B,
    0x25562B, 0x25572B, 0x25582B, 0x25592B, 0x255A2B, 0x255B2B, 0x255C2B, 0x255D2B, 0x255EA6,
    0x255FA6, 0x2560A6, 0x2561A6, 0x2562A6, 0x2563A6, 0x25642D, 0x25652D, 0x25662D, 0x25672D,
    0x25682D, 0x25692D, 0x256A2B, 0x256B2B, 0x256C2B, 0x2580AF, 0x25845F, 0x2588A6, 0x258CA6,
    0x2590A6, 0x2591A6, 0x2592A6, 0x2593A6, 0x25A0A6, 0x263CA4, 0x27587C, 0x300020, 0x30083C,
    0x30093E, 0x300AAB, 0x300BBB, 0x301A5B, 0x301B5D, 0x30FBB7,
};

char16_t DecodeByte(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kAnsiHigh[byte - 0x80] : char16_t{byte};
}

char EncodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    const auto high = std::find(kAnsiHigh.begin(), kAnsiHigh.end(), c);
    if (high != kAnsiHigh.end()) {
        return static_cast<char>(0x80 + (high - kAnsiHigh.begin()));
    }
    if (c >= 0xFF01 && c <= 0xFF5E) {
        return static_cast<char>(c - 0xFEE0);
    }
    const auto fit = std::lower_bound(kBestFit.begin(), kBestFit.end(), uint32_t{c} << 8);
    if (fit != kBestFit.end() && (*fit >> 8) == c) {
        return static_cast<char>(*fit & 0xFF);
    }
    return '?';
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

Text DecodeCp1252(std::string_view bytes) {
    Text text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text += DecodeByte(static_cast<unsigned char>(byte));
    }
    return text;
}

std::string EncodeCp1252(TextView text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const char16_t c : text) {
        bytes += EncodeChar(c);
    }
    return bytes;
}

Text DecodeUtf8(std::string_view bytes) {
    constexpr char16_t kReplacement = 0xFFFD;
    Text text;
    size_t at = 0;
    const auto byteAt = [&](size_t index) { return static_cast<unsigned char>(bytes[index]); };
    while (at < bytes.size()) {
        const unsigned char lead = byteAt(at++);
        if (lead < 0x80) {
            text += char16_t{lead};
            continue;
        }
        const size_t following = lead >= 0xC2 && lead <= 0xDF   ? 1
                                 : lead >= 0xE0 && lead <= 0xEF ? 2
                                 : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                                : 0;
        if (following == 0) {
            text += kReplacement;
            continue;
        }
        if (following > bytes.size() - at) {
            text += kReplacement;
            at = bytes.size();
            continue;
        }
        uint32_t code = lead & (0x3F >> following);
        bool valid = true;
        for (size_t index = 0; index < following && valid; ++index) {
            if (!IsContinuation(byteAt(at))) {
                valid = false;
                break;
            }
            code = code << 6 | (byteAt(at++) & 0x3F);
            // After the first trail byte the sequence is known to be too long, a surrogate or
            // past U+10FFFF.
            if (index == 0 &&
                ((following == 2 && (code < 0x20 || (code >= 0x360 && code < 0x380))) ||
                 (following == 3 && (code < 0x10 || code >= 0x110)))) {
                valid = false;
            }
        }
        if (!valid) {
            text += kReplacement;
        } else if (code >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(code);
        }
    }
    return text;
}

std::string EncodeUtf8(TextView text) {
    std::string bytes;
    for (size_t at = 0; at < text.size(); ++at) {
        uint32_t code = text[at];
        if (code >= 0xD800 && code < 0xDC00 && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
            text[at + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | code >> 6);
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | code >> 12);
            bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | code >> 18);
            bytes += static_cast<char>(0x80 | (code >> 12 & 0x3F));
            bytes += static_cast<char>(0x80 | (code >> 6 & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

Text DecodeUtf16(std::string_view bytes, bool bigEndian) {
    Text text;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        text += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

std::string EncodeUtf16(TextView text, bool bigEndian) {
    std::string bytes;
    for (const char16_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace vc
