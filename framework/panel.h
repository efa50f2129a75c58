#pragma once
#include "framework/controls.h"

namespace vc {

// A child window of its own: its colour, a raised bevel, and its children above.
class TPanel : public TWinControl {
  public:
    using TWinControl::TWinControl;
    const char* ClassName() const override { return "TPanel"; }

    TColor Color() const { return color_; }
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  protected:
    void PaintWindowBackground(Canvas& canvas, const Rect& area) override;

  private:
    TColor color_ = clBtnFace;
    int bevelWidth_ = 1;
};

}  // namespace vc
