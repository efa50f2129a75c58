#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "framework/system_time.h"

namespace vc::vlttime {

struct Options {
    bool help = false;
    bool hour24 = true;
    bool real = false;
    bool next = false;
    bool json = false;
    bool sjis = false;
    bool watch = false;
    std::optional<SystemTime> at;

    friend bool operator==(const Options&, const Options&) = default;
};

struct OptionsParse {
    Options options;
    std::string error;  // one line naming the argument and what is expected; empty if none
};

// `args` excludes the program name. -h/--help stops reading further arguments.
OptionsParse ParseOptions(std::span<const std::string_view> args);

}  // namespace vc::vlttime
