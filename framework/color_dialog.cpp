#include "framework/color_dialog.h"

#include "framework/platform.h"

namespace vc {

bool TColorDialog::Execute() {
    const std::optional<TColor> chosen = System().PickColor(color_, customColors_);
    if (chosen) {
        color_ = *chosen;
    }
    return chosen.has_value();
}

bool TColorDialog::SetProperty(std::string_view name, const LayoutValue& value,
                               LayoutContext& context) {
    if (name == "Color") {
        color_ = value.AsColor();
    } else if (name == "Ctl3D") {
        ctl3D_ = value.AsBool();
    } else if (name == "Options") {
        options_ = value.items;
    } else {
        return TComponent::SetProperty(name, value, context);
    }
    return true;
}

}  // namespace vc
