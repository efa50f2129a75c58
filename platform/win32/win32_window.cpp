#include "platform/win32/win32_window.h"

#include <windowsx.h>
// shellapi.h after windows.h
#include <shellapi.h>

#include <optional>

#include "framework/scaled_canvas.h"
#include "platform/win32/application_icon.h"
#include "platform/win32/error_policy.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_dpi.h"

namespace vc {
namespace {

void RegisterClassOnce(HINSTANCE instance, const std::wstring& name, WNDPROC procedure) {
    WNDCLASSW existing{};
    if (GetClassInfoW(instance, name.c_str(), &existing)) {
        return;
    }
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadApplicationIcon(instance);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = name.c_str();
    if (RegisterClassW(&wc) == 0) {
        ThrowOutOfResources("RegisterClassW");
    }
}

// The shell's mouse message, or its word of a balloon clicked, as plain data; nothing for one the
// tray does not report.
std::optional<TrayMouse> TrayMouseFrom(WPARAM iconId, LPARAM mouseMessage) {
    using Kind = TrayMouse::Kind;
    struct Route {
        UINT message;
        Kind kind;
        TMouseButton button;
    };
    static constexpr Route kRoutes[] = {
        {WM_MOUSEMOVE, Kind::Move, TMouseButton::mbLeft},
        {WM_LBUTTONDOWN, Kind::Down, TMouseButton::mbLeft},
        {WM_LBUTTONUP, Kind::Up, TMouseButton::mbLeft},
        {WM_LBUTTONDBLCLK, Kind::DoubleClick, TMouseButton::mbLeft},
        {WM_RBUTTONDOWN, Kind::Down, TMouseButton::mbRight},
        {WM_RBUTTONUP, Kind::Up, TMouseButton::mbRight},
        {WM_RBUTTONDBLCLK, Kind::DoubleClick, TMouseButton::mbRight},
        {WM_MBUTTONDOWN, Kind::Down, TMouseButton::mbMiddle},
        {WM_MBUTTONUP, Kind::Up, TMouseButton::mbMiddle},
        {WM_MBUTTONDBLCLK, Kind::DoubleClick, TMouseButton::mbMiddle},
        // Shells from Windows XP on; as no version is set, lParam carries the message alone.
        {NIN_BALLOONUSERCLICK, Kind::BalloonClick, TMouseButton::mbLeft},
    };
    for (const Route& route : kRoutes) {
        if (static_cast<LPARAM>(route.message) == mouseMessage) {
            return TrayMouse{static_cast<std::uint32_t>(iconId), route.kind, route.button};
        }
    }
    return std::nullopt;
}

Rect FromRECT(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

// Broadcast to top-level windows when the taskbar is made anew.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// An elevated clock (started by an elevated launcher) gets no messages from Explorer, which
// runs with fewer rights, unless it lets them through: TaskbarCreated at its top-level
// window and the tray's notifications at the receiver. Windows 7 and later; nothing
// changes for a clock that is not elevated.
void AcceptFromTheShell(HWND window, UINT message) {
    using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    static const auto filter = SystemFunction<Filter>(L"user32.dll", "ChangeWindowMessageFilterEx");
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    if (filter != nullptr && window != nullptr) {
        filter(window, message, kAllow, nullptr);
    }
}

}  // namespace

std::unique_ptr<Win32Window> Win32Window::CreateTopLevel(
    HINSTANCE instance, HWND owner, FontCache& fonts, const WindowSystem& system,
    WindowClient& client, const TopLevelStyle& style, const Rect& bounds) {
    const std::wstring className = Cp932ToWide(style.className);
    RegisterClassOnce(instance, className, &Win32Window::Procedure);
    std::unique_ptr<Win32Window> window(new Win32Window(fonts, system, client, true));
    const Rect place = UnitsToPixels(*ScreenMonitors(), bounds).pixels;
    window->Created(CreateWindowExW(style.stayOnTop ? WS_EX_TOPMOST : 0, className.c_str(), L"",
                                    WS_POPUP | WS_CLIPCHILDREN, place.left, place.top,
                                    place.Width(), place.Height(), owner, nullptr, instance,
                                    window.get()));
    AcceptFromTheShell(window->handle_, TaskbarCreatedMessage());
    return window;
}

std::unique_ptr<Win32Window> Win32Window::CreateChild(HINSTANCE instance, HWND parent,
                                                      FontCache& fonts, const WindowSystem& system,
                                                      WindowClient& client,
                                                      const std::string& className,
                                                      const Rect& bounds) {
    const std::wstring name = Cp932ToWide(className);
    RegisterClassOnce(instance, name, &Win32Window::Procedure);
    std::unique_ptr<Win32Window> window(new Win32Window(fonts, system, client, false));
    const Rect place = DpiScale(DpiOfWindow(parent)).Px(bounds);
    window->Created(CreateWindowExW(0, name.c_str(), L"", WS_CHILD | WS_CLIPSIBLINGS, place.left,
                                    place.top, place.Width(), place.Height(), parent, nullptr,
                                    instance, window.get()));
    AcceptFromTheShell(window->handle_, kTrayNotify);
    return window;
}

Win32Window::Win32Window(FontCache& fonts, const WindowSystem& system, WindowClient& client,
                         bool topLevel)
    : fonts_(fonts), system_(system), client_(client), topLevel_(topLevel) {}

void Win32Window::Created(HWND made) {
    if (made == nullptr) {
        handle_ = nullptr;  // WM_NCCREATE may have set it before the creation failed
        ThrowOutOfResources("CreateWindowExW");
    }
}

Win32Window::~Win32Window() {
    if (handle_ != nullptr) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

// The framework places and measures in units; the window lives in pixels of its monitor.
void Win32Window::Place(Point topLeft, Size size) {
    const Rect units = RectAt(topLeft.x, topLeft.y, size.width, size.height);
    const Rect place =
        topLevel_ ? UnitsToPixels(*ScreenMonitors(), units).pixels : Scale().Px(units);
    SetWindowPos(handle_, nullptr, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32Window::Bounds() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    if (topLevel_) {
        return PixelsToUnits(*ScreenMonitors(), FromRECT(r), DpiOfWindow(handle_));
    }
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    const DpiScale scale = Scale();
    return RectAt(scale.Units(r.left), scale.Units(r.top), scale.Units(r.right - r.left),
                  scale.Units(r.bottom - r.top));
}

DpiScale Win32Window::Scale() const {
    return DpiScale(DpiOfWindow(handle_));
}

void Win32Window::SetCaption(std::string_view cp932) {
    SetWindowTextW(handle_, Cp932ToWide(cp932).c_str());
}

void Win32Window::Invalidate(const Rect& area) {
    // A pixel more each way: the scaled edges are rounded.
    const DpiScale scale = Scale();
    const Rect pixels = scale.IsDesign() ? area : Inflate(scale.Px(area), 1);
    const RECT r{pixels.left, pixels.top, pixels.right, pixels.bottom};
    InvalidateRect(handle_, &r, FALSE);
}

void Win32Window::Show() {
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // The framework's dispatch catches what handlers throw; this is the last guard, since
    // nothing may unwind through the system's frames. What reaches it is dropped (why is in
    // error_policy.h).
    try {
        return self->Handle(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT Win32Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_NCHITTEST:
            if (client_.DragsByAnyPoint()) {
                return HTCAPTION;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return MouseButton(TMouseButton::mbLeft, true, lParam);
        case WM_LBUTTONUP:
            return MouseButton(TMouseButton::mbLeft, false, lParam);
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return MouseButton(TMouseButton::mbRight, true, lParam);
        case WM_RBUTTONUP:
            return MouseButton(TMouseButton::mbRight, false, lParam);
        case WM_CAPTURECHANGED:
            client_.MouseCancelled();
            return 0;
        case WM_WINDOWPOSCHANGING: {
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            if (topLevel_ && (position->flags & SWP_NOMOVE) == 0) {
                PositionChanging(*position);
            }
            return 0;
        }
        case WM_DPICHANGED: {
            // The size Windows suggests for the new monitor, then the children and the
            // drawing at the new scale.
            ScreenChanged();
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(handle_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            client_.DpiChanged();
            InvalidateRect(handle_, nullptr, FALSE);
            return 0;
        }
        case WM_WINDOWPOSCHANGED:
            // The user's drag and display changes move the window too: the client learns
            // every place the system gives it.
            client_.BoundsChanged(Bounds());
            break;  // DefWindowProc still sends WM_MOVE and WM_SIZE
        case WM_DISPLAYCHANGE:
            ScreenChanged();
            if (topLevel_) {
                client_.DisplayChanged();
            }
            break;
        case WM_SETTINGCHANGE:
            ScreenChanged();
            break;
        case WM_CLOSE:
            if (topLevel_) {
                PostQuitMessage(0);
                return 0;
            }
            break;
        default:
            if (message == kTrayNotify) {
                if (const auto action = TrayMouseFrom(wParam, lParam)) {
                    client_.TrayMouseAction(*action);
                }
                return 0;
            }
            if (topLevel_ && message == TaskbarCreatedMessage()) {
                client_.TaskbarCreated();
                return 0;
            }
            break;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

// The client keeps its rule in units; only where it moves the window is the place converted
// back, so that the system's own pixel positions (a drag) stay as they were.
void Win32Window::PositionChanging(WINDOWPOS& position) {
    RECT now{};
    GetWindowRect(handle_, &now);
    const auto monitors = ScreenMonitors();
    const Rect units = PixelsToUnits(
        *monitors, RectAt(position.x, position.y, now.right - now.left, now.bottom - now.top),
        DpiOfWindow(handle_));
    const Point proposed{units.left, units.top};
    Point at = proposed;
    client_.PositionChanging(at);
    if (at == proposed) {
        return;
    }
    const Rect pixels =
        UnitsToPixels(*monitors, RectAt(at.x, at.y, units.Width(), units.Height())).pixels;
    position.x = pixels.left;
    position.y = pixels.top;
}

LRESULT Win32Window::MouseButton(TMouseButton button, bool down, LPARAM lParam) {
    const Point at = Scale().Units(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (down) {
        // The release comes here even off the window, so a press and release make a click
        // only on the same control.
        SetCapture(handle_);
        client_.MouseDown(button, at);
        return 0;
    }
    client_.MouseUp(button, at);
    if (GetCapture() == handle_) {
        ReleaseCapture();
    }
    return 0;
}

class Win32Window::Offscreen {
  public:
    Offscreen(HDC like, Size size)
        : size_(size),
          dc_(CreateCompatibleDC(like)),
          bitmap_(CreateCompatibleBitmap(like, size.width, size.height)),
          picture_(dc_.get(), bitmap_.get()) {}

    // False when the system had no DC or bitmap left for it.
    bool Usable() const { return static_cast<bool>(picture_); }
    HDC Dc() const { return dc_.get(); }
    Size Dimensions() const { return size_; }

  private:
    Size size_;
    ScopedDc dc_;
    ScopedBitmap bitmap_;
    Selection picture_;  // the last member: put back before the bitmap and the DC go
};

// The paint's DC and the off-screen picture are released, and EndPaint called, on every
// way out, also when the client's drawing throws (see error_policy.h for what follows).
void Win32Window::Paint() {
    const PaintGuard paint(handle_);
    if (paint.Dc() == nullptr) {
        return;  // nothing to draw on; the next paint tries again
    }
    const Rect area = FromRECT(paint.Area());
    RECT client{};
    GetClientRect(handle_, &client);
    const Size size{client.right, client.bottom};
    if (doubleBuffered_ && (offscreen_ == nullptr || !(offscreen_->Dimensions() == size))) {
        offscreen_.reset();
        offscreen_ = std::make_unique<Offscreen>(paint.Dc(), size);
        if (!offscreen_->Usable()) {
            offscreen_.reset();  // this paint draws straight onto the window; the next tries again
        }
    }
    if (!doubleBuffered_ || offscreen_ == nullptr) {
        GdiCanvas canvas(paint.Dc(), fonts_, system_);
        PaintScaled(canvas, area);
        return;
    }
    // Compose off-screen; the screen gets one copy.
    GdiCanvas canvas(offscreen_->Dc(), fonts_, system_);
    PaintScaled(canvas, area);
    BitBlt(paint.Dc(), area.left, area.top, area.Width(), area.Height(), offscreen_->Dc(),
           area.left, area.top, SRCCOPY);
}

// At 96 DPI the client draws straight in pixels; elsewhere through the scaling canvas, the
// area it is asked for being the units the pixels touch.
void Win32Window::PaintScaled(Canvas& pixels, const Rect& area) {
    const DpiScale scale = Scale();
    if (scale.IsDesign()) {
        client_.PaintWindow(pixels, area);
        return;
    }
    ScaledCanvas canvas(pixels, scale, pictures_);
    client_.PaintWindow(canvas, scale.UnitsCovering(area));
}

}  // namespace vc
