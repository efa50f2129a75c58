#pragma once
#include <string>

#include "framework/controls.h"
#include "framework/font.h"

namespace vc {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// An opaque text label: fills its rectangle with Color, then draws the caption at the
// top. With AutoSize it is always exactly as large as its text.
class TLabel : public TControl {
  public:
    using TControl::TControl;
    const char* ClassName() const override { return "TLabel"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string cp932);
    TColor Color() const { return color_; }
    void SetColor(TColor colour);
    const TFont& Font() const { return font_; }
    void SetFontColor(TColor colour);
    TAlignment Alignment() const { return alignment_; }

    void Paint(Canvas& canvas, const Rect& clip) override;
    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;
    void Loaded() override { AdjustSize(); }

  private:
    void AdjustSize();

    std::string caption_;
    TColor color_ = clBtnFace;
    TFont font_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
};

// The font properties ("Font.Name", ...) shared by every kind that has a font.
bool SetFontProperty(TFont& font, std::string_view name, const LayoutValue& value);
// The same properties on a kind that draws no text: checked, then dropped. The layout gives
// them, but every label sets a font of its own rather than inheriting one.
bool SkipFontProperty(std::string_view name, const LayoutValue& value);

}  // namespace vc
