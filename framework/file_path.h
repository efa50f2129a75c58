#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "framework/cp932_bytes.h"

namespace vc {

// Whether a byte starts a double-byte character in the code page a text is in.
using LeadByteTest = bool (*)(unsigned char);

// Paths in the system's ANSI code page. A double-byte character's trail byte may be 0x5C,
// the byte of "\" ("表" is 95 5C, "ソ" 83 5C): only whole characters separate, so every
// split below walks the path character by character.

// The bytes of the character that starts at `at`.
std::size_t CharacterSize(std::string_view text, std::size_t at, LeadByteTest isLeadByte);

// Where the last character of `separators` stands, or npos.
std::size_t LastSeparator(std::string_view path, std::string_view separators,
                          LeadByteTest isLeadByte);

// The name after the last "\" or "/".
std::string_view FileNameOf(std::string_view path, LeadByteTest isLeadByte = IsLeadByte);

// The folder before the last "\" or "/", or "." for a bare name.
std::string_view FolderOf(std::string_view path, LeadByteTest isLeadByte = IsLeadByte);

// `path` with its extension replaced by `extension`, or with `extension` appended when it
// has none. The extension is the part from the last "." after the last "\" and the last ":".
std::string WithExtension(std::string_view path, std::string_view extension,
                          LeadByteTest isLeadByte = IsLeadByte);

}  // namespace vc
