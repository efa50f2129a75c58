#pragma once
#include <windows.h>

#include <utility>

namespace vc {

// Owners of the GDI and USER handles this layer makes: each one is let go exactly once, on
// every way out, also when an exception unwinds past it. What happens when making one fails
// is in error_policy.h.

// A handle made by the caller and freed with `Free`; null means none.
template <typename Handle, auto Free>
class Scoped {
  public:
    Scoped() = default;
    explicit Scoped(Handle handle) : handle_(handle) {}
    ~Scoped() { reset(); }
    Scoped(Scoped&& other) noexcept : handle_(other.release()) {}
    Scoped& operator=(Scoped&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // The handle is the caller's from now on.
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Free(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

using ScopedDc = Scoped<HDC, DeleteDC>;  // from CreateCompatibleDC
using ScopedBitmap = Scoped<HBITMAP, DeleteObject>;
using ScopedFont = Scoped<HFONT, DeleteObject>;
using ScopedBrush = Scoped<HBRUSH, DeleteObject>;
using ScopedGdiObject = Scoped<HGDIOBJ, DeleteObject>;
using ScopedMenu = Scoped<HMENU, DestroyMenu>;

// Selects `object` into `dc` and puts back what was there before when the scope ends, so
// that the object may be deleted (or read) after. False when nothing was selected: a null
// DC or object, or SelectObject failed.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), old_(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (*this) {
            SelectObject(dc_, old_);
        }
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    explicit operator bool() const { return old_ != nullptr && old_ != HGDI_ERROR; }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// BeginPaint and, on every way out, EndPaint.
class PaintGuard {
  public:
    explicit PaintGuard(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintGuard() { EndPaint(window_, &paint_); }
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;

    // Null when the system gave no DC to paint with.
    HDC Dc() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// GetDC and ReleaseDC: the DC of a window's client area, or of the screen for no window;
// null when the system has none left.
class WindowDc {
  public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Dc() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace vc
