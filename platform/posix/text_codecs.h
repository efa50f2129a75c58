#pragma once
#include <string>
#include <string_view>

namespace vc {

// Text as the Windows functions convert it, measured under Wine: they work in UTF-16, and the
// A functions go through the ANSI code page, here 1252. Decoding never fails; what cannot be
// read or written becomes U+FFFD or "?" as it does there.

// A character outside the code page is written as its look-alike if it has one, else "?".
std::u16string DecodeCp1252(std::string_view bytes);
std::string EncodeCp1252(std::u16string_view text);

// Broken UTF-8 as MultiByteToWideChar reads it: a sequence longer than the rest of the text is
// one U+FFFD for all that rest; a lead byte and the bytes up to the first that cannot follow it
// are one U+FFFD. A surrogate without its pair is written as U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::u16string_view text);

// Two bytes per unit; an odd last byte is dropped.
std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian);
std::string EncodeUtf16(std::u16string_view text, bool bigEndian);

}  // namespace vc
