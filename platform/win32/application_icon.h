#pragma once
#include <windows.h>

namespace vc {

// The icon the resource script names MAINICON: the windows' and the tray's.
inline HICON LoadApplicationIcon(HINSTANCE instance) {
    return LoadIconW(instance, L"MAINICON");
}

}  // namespace vc
