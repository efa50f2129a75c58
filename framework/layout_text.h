#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "framework/layout_value.h"

namespace vc {

// The pieces of a stored layout's line: blanks, names and property values.
std::string_view TrimLayoutText(std::string_view s);

// Throws ELayoutError: the line cannot be read.
[[noreturn]] void MalformedLayout(int line, std::string_view text);

// A component, kind or property name: letters, digits, "_" and inner dots.
bool IsLayoutName(std::string_view s);

// A property's value: a number (decimal, or hexadecimal after "$"), 'text' (turned into
// CP932), a Name, or [Set, Items]. Anything else throws ELayoutError naming the line.
LayoutValue ParseLayoutValue(std::string_view text, int line,
                             const std::function<std::string(std::string_view)>& toCp932);

}  // namespace vc
