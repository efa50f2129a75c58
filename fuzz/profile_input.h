#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What fuzz_profile reads from its input: the settings file's bytes, then kOpsMark, a byte
// whose lowest bit asks for a rewrite by the engine first, and the operations. Without the mark
// the whole input is the file, and the clock's own round trip of its keys runs on it.
namespace vc::fuzz {

inline constexpr std::string_view kOpsMark = "~~ops~~";

struct ProfileOp {
    enum class Kind : std::uint8_t { Get, Write, Flush };
    Kind kind = Kind::Flush;
    std::string section;
    std::string key;
    std::string text;  // the fallback of a get, the value of a write
};

struct ProfileInput {
    std::string file;
    bool scripted = false;  // no mark: the clock's round trip instead of `ops`
    // The engine rewrites the file once before the operations: every later write then starts
    // from the engine's own output.
    bool rewriteFirst = false;
    std::vector<ProfileOp> ops;
};

// Each operation is a kind byte (low two bits: 0 get, 1 or 2 write, 3 flush), then its
// texts; a text is a byte below 0xC0 giving its length, 0xC0..0xDF and one more byte giving a
// length up to 8191, or 0xE0..0xFF naming one of 32 texts that find the engine's corners
// quickly. An input that ends early ends the operations;
// the first 32 count.
ProfileInput DecodeProfileInput(std::string_view bytes);
// The inverse, for seeds made from the differential cases.
std::string EncodeProfileInput(const ProfileInput& input);

}  // namespace vc::fuzz
