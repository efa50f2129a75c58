#include "framework/controls.h"

#include <algorithm>

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

void TWinControl::SetBounds(const Rect& bounds) {
    if (window_ == nullptr) {
        TControl::SetBounds(bounds);
        return;
    }
    // The system may place the window elsewhere than asked.
    window_->SetBounds(bounds);
    TControl::SetBounds(window_->Bounds());
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

void TWinControl::ClickWindow(Point at) {
    // The topmost graphic control under the point takes the click.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        if (control->Visible() && dynamic_cast<TWinControl*>(control) == nullptr &&
            control->BoundsRect().Contains(at)) {
            if (control->OnClick) {
                Dispatch([control] { control->OnClick(control); });
            }
            return;
        }
    }
}

}  // namespace vc
