#include "platform/posix/text_codecs.h"

#include <gtest/gtest.h>

#include <string>

namespace vc {
namespace {

using namespace std::string_literals;

enum class Codec { Cp1252, Utf8, Utf16Little, Utf16Big };

// Decoding is lossy and so is encoding, each in its own way: a case says which ways it holds.
enum class Way { Both, Decoding, Encoding };

struct CodecCase {
    const char* rule;
    Codec codec;
    Way way;
    std::string bytes;
    std::u16string text;
};

std::u16string Decode(Codec codec, std::string_view bytes) {
    switch (codec) {
        case Codec::Cp1252:
            return DecodeCp1252(bytes);
        case Codec::Utf8:
            return DecodeUtf8(bytes);
        case Codec::Utf16Little:
            return DecodeUtf16(bytes, false);
        case Codec::Utf16Big:
            return DecodeUtf16(bytes, true);
    }
    return {};
}

std::string Encode(Codec codec, std::u16string_view text) {
    switch (codec) {
        case Codec::Cp1252:
            return EncodeCp1252(text);
        case Codec::Utf8:
            return EncodeUtf8(text);
        case Codec::Utf16Little:
            return EncodeUtf16(text, false);
        case Codec::Utf16Big:
            return EncodeUtf16(text, true);
    }
    return {};
}

TEST(TextCodecs, ConvertAsTheWindowsFunctionsDo) {
    using enum Codec;
    using enum Way;
    const CodecCase cases[] = {
        {"1252: ASCII and Latin-1 as they are", Cp1252, Both, "A~\xA0\xE9\xFF",
         u"A~\u00A0\u00E9\u00FF"},
        {"1252: 80..9F are other characters", Cp1252, Both, "\x80\x8A\x9F", u"\u20AC\u0160\u0178"},
        {"1252: its five holes pass through", Cp1252, Both, "\x81\x8D\x8F\x90\x9D",
         u"\x0081\x008D\x008F\x0090\x009D"},
        {"1252: NUL is a character", Cp1252, Both, "a\0b"s, u"a\0b"s},
        {"1252: fullwidth ASCII is written as ASCII", Cp1252, Encoding, "A~", u"\uFF21\uFF5E"},
        {"1252: look-alikes", Cp1252, Encoding, "A-\xAB", u"\u0100\u2212\u300A"},
        {"1252: the rest is ?", Cp1252, Encoding, "??", u"\u6642\uFF5F"},
        {"UTF-8: one to four bytes", Utf8, Both, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         u"a\u00E9\u20AC\U0001F600"},
        {"UTF-8: a lead byte without its trail", Utf8, Decoding, "a\xC3z", u"a\uFFFDz"},
        {"UTF-8: a sequence cut by the end is one U+FFFD", Utf8, Decoding, "a\xF0\x9F\x98",
         u"a\uFFFD"},
        {"UTF-8: bytes that never lead", Utf8, Decoding, "\xC0\x80\xF5", u"\uFFFD\uFFFD\uFFFD"},
        {"UTF-8: too long", Utf8, Decoding, "\xE0\x80\x80", u"\uFFFD\uFFFD"},
        {"UTF-8: a surrogate", Utf8, Decoding, "\xED\xA0\x80", u"\uFFFD\uFFFD"},
        {"UTF-8: past U+10FFFF", Utf8, Decoding, "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"UTF-8: an unpaired surrogate is written as U+FFFD", Utf8, Encoding,
         "\xEF\xBF\xBD\xEF\xBF\xBD-\xEF\xBF\xBD", u"\xDC00\xD800-\xD800"},
        {"UTF-16 little-endian", Utf16Little, Both, "A\0\xAC\x20"s, u"A\u20AC"},
        {"UTF-16 big-endian", Utf16Big, Both, "\0A\x20\xAC"s, u"A\u20AC"},
        {"UTF-16: an odd last byte is dropped", Utf16Little, Decoding, "A\0B"s, u"A"},
    };
    for (const CodecCase& c : cases) {
        SCOPED_TRACE(c.rule);
        if (c.way != Encoding) {
            EXPECT_EQ(Decode(c.codec, c.bytes), c.text);
        }
        if (c.way != Decoding) {
            EXPECT_EQ(Encode(c.codec, c.text), c.bytes);
        }
    }
}

}  // namespace
}  // namespace vc
