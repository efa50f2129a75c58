#include "framework/controls.h"

#include <algorithm>
#include <utility>

#include "framework/seam/window_system.h"

namespace vc {

TControl::~TControl() {
    if (parent_ != nullptr) {
        parent_->RemoveControl(*this);
    }
}

void TControl::SetBounds(const Rect& bounds) {
    if (bounds == bounds_) {
        return;
    }
    Invalidate();
    bounds_ = bounds;
    Invalidate();
}

void TControl::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        Invalidate();
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ != nullptr) {
        parent_->RemoveControl(*this);
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->InsertControl(*this);
    }
}

void TControl::Paint(Canvas&, const Rect&) {}

void TControl::Invalidate() {
    if (parent_ != nullptr && visible_) {
        parent_->InvalidateArea(bounds_);
    }
}

bool TControl::SetProperty(std::string_view name, const LayoutValue& value,
                           LayoutContext& context) {
    Rect b = bounds_;
    if (name == "Left") {
        b = RectAt(value.AsInt(), b.top, b.Width(), b.Height());
    } else if (name == "Top") {
        b = RectAt(b.left, value.AsInt(), b.Width(), b.Height());
    } else if (name == "Width") {
        b = RectAt(b.left, b.top, value.AsInt(), b.Height());
    } else if (name == "Height") {
        b = RectAt(b.left, b.top, b.Width(), value.AsInt());
    } else if (name == "Visible") {
        visible_ = value.AsBool();
        return true;
    } else if (name == "OnClick") {
        OnClick = context.NotifyHandler(value);
        return true;
    } else {
        return TComponent::SetProperty(name, value, context);
    }
    SetBounds(b);
    return true;
}

// Children outlive this part of their parent (the owner frees them later).
TWinControl::~TWinControl() {
    for (TControl* control : controls_) {
        control->parent_ = nullptr;
    }
}

void TWinControl::RemoveControl(TControl& control) {
    if (pressed_ == &control) {
        pressed_ = nullptr;
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

void TWinControl::InvalidateArea(const Rect& area) {
    if (window_ != nullptr && !area.Empty()) {
        window_->Invalidate(area);
    }
}

void TWinControl::CreateChildWindows() {
    for (TControl* control : controls_) {
        if (auto* child = dynamic_cast<TWinControl*>(control)) {
            child->SetWindow(
                System().CreateChild(*child, child->ClassName(), *window_, child->BoundsRect()));
            child->CreateChildWindows();
            if (child->Visible()) {
                child->Window()->Show();
            }
        }
    }
}

void TWinControl::DpiChanged() {
    for (TControl* control : controls_) {
        if (auto* child = dynamic_cast<TWinControl*>(control); child && child->Window()) {
            const Rect& b = child->BoundsRect();
            child->Window()->Place(Point{b.left, b.top}, Size{b.Width(), b.Height()});
            child->DpiChanged();
        }
    }
}

void TWinControl::SetBounds(const Rect& bounds) {
    Place(Point{bounds.left, bounds.top}, Size{bounds.Width(), bounds.Height()});
}

void TWinControl::Place(Point topLeft, Size size) {
    if (window_ == nullptr) {
        // Only the layout places a control before its window exists.
        TControl::SetBounds(ClampedRectAt(topLeft, size));
        return;
    }
    window_->Place(topLeft, size);
}

void TWinControl::PaintWindow(Canvas& canvas, const Rect& area) {
    PaintWindowBackground(canvas, area);
    for (TControl* control : controls_) {
        if (!control->Visible() || dynamic_cast<TWinControl*>(control) != nullptr) {
            continue;
        }
        const Rect clip = Intersect(control->BoundsRect(), area);
        if (!clip.Empty()) {
            control->Paint(canvas, clip);
        }
    }
}

TControl* TWinControl::GraphicControlAt(Point at) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        if (control->Visible() && dynamic_cast<TWinControl*>(control) == nullptr &&
            control->BoundsRect().Contains(at)) {
            return control;
        }
    }
    return nullptr;
}

void TWinControl::MouseDown(TMouseButton button, Point at) {
    if (button == TMouseButton::mbLeft) {
        pressed_ = GraphicControlAt(at);
    }
}

void TWinControl::MouseUp(TMouseButton button, Point at) {
    if (button != TMouseButton::mbLeft) {
        return;
    }
    TControl* control = std::exchange(pressed_, nullptr);
    if (control != nullptr && control == GraphicControlAt(at) && control->OnClick) {
        Dispatch([control] { control->OnClick(control); });
    }
}

}  // namespace vc
