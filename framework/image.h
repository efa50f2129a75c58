#pragma once
#include "framework/bitmap.h"
#include "framework/controls.h"

namespace vc {

class TPopupMenu;

// A picture drawn at its natural size from the control's top-left corner: not stretched,
// not centred, not transparent. Without a picture it draws nothing.
class TImage : public TControl {
  public:
    using TControl::TControl;
    const char* ClassName() const override { return "TImage"; }

    const Bitmap& Picture() const { return picture_; }
    void SetPicture(const Bitmap& picture);
    // Fills part of the picture; the first drawing makes a picture of the control's size.
    void FillPicture(const Rect& area, TColor colour);

    TPopupMenu* PopupMenu() const { return popupMenu_; }

    void Paint(Canvas& canvas, const Rect& clip) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  private:
    Bitmap picture_;
    TPopupMenu* popupMenu_ = nullptr;
};

}  // namespace vc
