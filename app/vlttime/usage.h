#pragma once
#include <string_view>

namespace vc::vlttime {

// The full --help text, ending with a newline.
std::string_view UsageText();

}  // namespace vc::vlttime
