#pragma once
#include <string>

namespace vc {

// The bytes of a resource compiled into the program ("TFORMVT555", "BTN_NORMAL"),
// names compared without regard to case. Throws std::runtime_error when there is none.
std::string ResourceBytes(const std::string& name);

}  // namespace vc
