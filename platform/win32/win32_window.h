#pragma once
#include <windows.h>

#include <memory>

#include "framework/scaled_canvas.h"
#include "framework/seam/window_system.h"

namespace vc {

class FontCache;

// A native window that hands painting and clicks to the control that owns it. The fonts and
// system colours it paints with belong to the window system that made it, which outlives it.
class Win32Window final : public NativeWindow {
  public:
    static std::unique_ptr<Win32Window> CreateTopLevel(HINSTANCE instance, HWND owner,
                                                       FontCache& fonts, const WindowSystem& system,
                                                       WindowClient& client,
                                                       const TopLevelStyle& style,
                                                       const Rect& bounds);
    static std::unique_ptr<Win32Window> CreateChild(HINSTANCE instance, HWND parent,
                                                    FontCache& fonts, const WindowSystem& system,
                                                    WindowClient& client,
                                                    const std::string& className,
                                                    const Rect& bounds);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND Handle() const { return handle_; }

    // The shell reports mouse actions on the program's icons to their window with this
    // message: wParam the icon's identifier, lParam the mouse message.
    static constexpr UINT kTrayNotify = WM_USER + 101;

    void Place(Point topLeft, Size size) override;
    Rect Bounds() const override;
    void SetCaption(std::string_view cp932) override;
    void Invalidate(const Rect& area) override;
    void SetDoubleBuffered(bool on) override { doubleBuffered_ = on; }
    void Show() override;

  private:
    Win32Window(FontCache& fonts, const WindowSystem& system, WindowClient& client, bool topLevel);
    // EOutOfResources when CreateWindowExW made no window.
    void Created(HWND made);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void PaintScaled(Canvas& pixels, const Rect& area);
    void PositionChanging(WINDOWPOS& position);
    DpiScale Scale() const;
    LRESULT MouseButton(TMouseButton button, bool down, LPARAM lParam);

    FontCache& fonts_;
    const WindowSystem& system_;
    WindowClient& client_;
    bool topLevel_;
    HWND handle_ = nullptr;
    bool doubleBuffered_ = false;
    // The off-screen picture of double-buffered painting, kept from one paint to the next
    // (made anew only when the client area's size changes, or when it could not be made).
    class Offscreen;
    std::unique_ptr<Offscreen> offscreen_;
    ScaledPictures pictures_;
};

}  // namespace vc
