#pragma once
#include <array>

#include "framework/component.h"

namespace vc {

class NativeWindow;

// The system's colour dialog; Color is the colour it starts with and the one confirmed.
class TColorDialog : public TComponent {
  public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TColorDialog"; }

    TColor Color() const { return color_; }
    void SetColor(TColor colour) { color_ = colour; }
    // Opens the dialog preset to Color; a confirmed choice becomes Color. The 16 custom
    // colours live as long as the component.
    bool Execute();

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  private:
    // The window of the form that owns the dialog: where it opens when the program has no
    // active window.
    const NativeWindow& NearWindow() const;

    TColor color_ = clBlack;
    std::array<TColor, 16> customColors_{};
};

}  // namespace vc
