#pragma once

namespace vc {

// The window class of the game client's top-level window: the window Ctrl+P captures, and
// whose presence hides the launcher item.
inline constexpr const char* kGameWindowClass = "VLT-CL";

}  // namespace vc
