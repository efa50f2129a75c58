#pragma once
#include "framework/component.h"
#include "framework/controls.h"

namespace vc {

class TPopupMenu;

// A notification-area icon whose mouse actions on it become events.
class TTaskTrayMini : public TComponent {
  public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TTaskTrayMini"; }

    TMouseEvent OnMouseUp;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMMouseUp;
    TMouseEvent OnMMouseDown;
    TPopupMenu* PopupMenuR = nullptr;
    bool EnableMouseUp = true;
    bool EnableMouseDown = true;
    bool EnableMMouseUp = true;
    bool EnableMMouseDown = true;

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;
};

// The hidden receiver of the shell's notifications: a zero-size window that draws nothing.
class TMyCallback : public TWinControl {
  public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TMyCallback"; }

  protected:
    void PaintWindowBackground(Canvas&, const Rect&) override {}
};

}  // namespace vc
