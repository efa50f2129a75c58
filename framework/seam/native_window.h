#pragma once
#include <string_view>

#include "framework/geometry.h"

namespace vc {

// One native window made for a windowed control.
class NativeWindow {
  public:
    virtual ~NativeWindow() = default;
    // Asks the system to place the window. Top-level windows: screen coordinates (the
    // system may put them elsewhere); child windows: the parent's client coordinates.
    // Borderless, so the outer rectangle is the client area. Where the window ends up
    // reaches the client through WindowClient::BoundsChanged.
    virtual void Place(Point topLeft, Size size) = 0;
    virtual Rect Bounds() const = 0;
    virtual void SetCaption(std::string_view cp932) = 0;
    virtual void Invalidate(const Rect& area) = 0;
    // On: every repaint is composed off-screen and reaches the screen in one copy.
    virtual void SetDoubleBuffered(bool on) = 0;
    virtual void Show() = 0;
};

}  // namespace vc
