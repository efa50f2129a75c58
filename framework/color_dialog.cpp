#include "framework/color_dialog.h"

namespace vc {

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
