#include "framework/panel.h"

#include "framework/label.h"

namespace vc {

void TPanel::PaintWindowBackground(Canvas& canvas, const Rect& area) {
    const Rect client{0, 0, Width(), Height()};
    canvas.FillRect(Intersect(client, area), color_);
    for (int i = 0; i < bevelWidth_; ++i) {
        const Rect r{i, i, Width() - i, Height() - i};
        canvas.FillRect(Intersect(Rect{r.left, r.top, r.right, r.top + 1}, area), clBtnHighlight);
        canvas.FillRect(Intersect(Rect{r.left, r.top, r.left + 1, r.bottom}, area), clBtnHighlight);
        canvas.FillRect(Intersect(Rect{r.left, r.bottom - 1, r.right, r.bottom}, area),
                        clBtnShadow);
        canvas.FillRect(Intersect(Rect{r.right - 1, r.top, r.right, r.bottom}, area), clBtnShadow);
    }
}

bool TPanel::SetProperty(std::string_view name, const LayoutValue& value, LayoutContext& context) {
    if (name == "Color") {
        color_ = value.AsColor();
    } else if (name == "BevelWidth") {
        bevelWidth_ = value.AsInt();
    } else if (name == "BevelOuter") {
        value.AsEnum({"bvRaised"});
    } else if (name == "TabOrder") {
        value.AsInt();  // the strip takes no keyboard focus
    } else if (name == "ParentFont") {
        value.AsBool();
    } else if (!SkipFontProperty(name, value)) {
        return TWinControl::SetProperty(name, value, context);
    }
    return true;
}

}  // namespace vc
