#pragma once
#include <memory>
#include <vector>

#include "framework/canvas.h"
#include "framework/component.h"
#include "framework/geometry.h"
#include "framework/seam/window_system.h"

namespace vc {

class TWinControl;

// A component with a place on a window: bounds in its parent's client coordinates.
class TControl : public TComponent {
  public:
    using TComponent::TComponent;
    ~TControl() override;

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    const Rect& BoundsRect() const { return bounds_; }
    virtual void SetBounds(const Rect& bounds);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    TWinControl* Parent() const { return parent_; }
    // Appends the control to the parent's stacking order.
    void SetParent(TWinControl* parent);

    TNotifyEvent OnClick;

    // Draws the control, in its parent's client coordinates, within `clip`.
    virtual void Paint(Canvas& canvas, const Rect& clip);
    // Asks the parent window to redraw the control's rectangle.
    void Invalidate();

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  private:
    friend class TWinControl;

    Rect bounds_;
    bool visible_ = true;
    TWinControl* parent_ = nullptr;
};

// A control with a native window of its own; it draws its graphic children.
class TWinControl : public TControl, public WindowClient {
  public:
    using TControl::TControl;
    ~TWinControl() override;

    const std::vector<TControl*>& Controls() const { return controls_; }
    void InsertControl(TControl& control) { controls_.push_back(&control); }
    void RemoveControl(TControl& control);

    // Redraws `area` of the client area (nothing until the window exists).
    void InvalidateArea(const Rect& area);
    NativeWindow* Window() const { return window_.get(); }
    // Makes the native windows of this control's windowed children.
    void CreateChildWindows();
    void SetBounds(const Rect& bounds) override;
    void DpiChanged() override;
    // Once the window exists, its bounds are the ones the system reports.
    void Place(Point topLeft, Size size);

    void PaintWindow(Canvas& canvas, const Rect& area) override;
    // A click is a left press and release on the same graphic control, as on any Windows
    // control; the topmost visible one under the point takes it.
    void MouseDown(TMouseButton button, Point at) override;
    void MouseUp(TMouseButton button, Point at) override;
    void MouseCancelled() override { pressed_ = nullptr; }
    void BoundsChanged(const Rect& bounds) override { TControl::SetBounds(bounds); }

  protected:
    // The window's own colour under its controls.
    virtual void PaintWindowBackground(Canvas& canvas, const Rect& area) = 0;
    void SetWindow(std::unique_ptr<NativeWindow> window) { window_ = std::move(window); }

  private:
    TControl* GraphicControlAt(Point at) const;

    std::vector<TControl*> controls_;
    std::unique_ptr<NativeWindow> window_;
    TControl* pressed_ = nullptr;  // where the left button went down
};

}  // namespace vc
