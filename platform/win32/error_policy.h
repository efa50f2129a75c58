#pragma once
#include <string_view>

// How this layer meets a GDI or USER call that fails to make what it was asked for. Every
// handle it makes is owned (scoped_handle.h) and every creation is checked; a failure is
// one of four kinds.
//
// 1. Made for a result the user asked for: the screenshot's capture bitmap and the DCs it
//    is drawn and read through, the DIB section handed to the encoder, the popup menu.
//    EOutOfResources with the system's text for the last error (ThrowOutOfResources). The
//    command fails as a whole, and the framework's dispatch shows its error box.
// 2. Made at start-up, and the program cannot run without it: the window classes, the
//    hidden application window, the form's windows (the tray's receiver among them).
//    EOutOfResources as well, the failed call named after the system's text. The form's
//    windows are made under wWinMain's guard, which shows the error box and ends the
//    program; the application window is made before there is an application to show it,
//    so that failure ends the program as any exception leaving wWinMain does.
// 3. Costs at most a frame of drawing: the paint's DC from BeginPaint, the off-screen DC
//    and bitmap of double buffering, the memory DC that text is measured in. No exception:
//    a paint without its off-screen picture draws straight onto the window (it may flicker
//    that once) and the picture is tried again at the next paint; a paint without a DC is
//    skipped; text is measured in the screen's DC instead. A wrong frame is gone at the
//    next repaint, while an error box in the middle of painting would only bring more
//    paints that fail again; the clock keeps running.
// 4. A font: a null from CreateFontW is never kept. The stock DEFAULT_GUI_FONT (else
//    SYSTEM_FONT) draws or measures that text, and the font is asked for again the next
//    time. Stock objects are never deleted.
//
// Copies into what was made and queries of it (BitBlt, PrintWindow, GetDIBits,
// AppendMenuW, ...) are not creations: their results count as they always did.
//
// Nothing may unwind through the system's frames, so each window procedure ends in a last
// guard that drops whatever reaches it and answers the message with 0. Showing an error is
// the framework's job: TApplication::Dispatch shows the error box for what event handlers
// throw, before it gets here. What still gets here was thrown outside any handler, mostly
// while painting (PaintWindow is not dispatched); by then the owners above have released
// every handle and ended the paint, and an error box from inside WM_PAINT would itself
// cause paints that fail again. So the error is dropped, and the window keeps what its
// last good paint drew.

namespace vc {

// EOutOfResources with the system's text for the last error (the program's own text when
// the system has none); `call`, when given, is named after it in brackets.
[[noreturn]] void ThrowOutOfResources(std::string_view call = {});

}  // namespace vc
