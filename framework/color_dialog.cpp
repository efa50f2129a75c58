#include "framework/color_dialog.h"

#include <stdexcept>

#include "framework/controls.h"
#include "framework/errors.h"
#include "framework/seam/window_system.h"

namespace vc {

bool TColorDialog::Execute() {
    const std::optional<TColor> chosen = System().PickColor(color_, customColors_, NearWindow());
    if (chosen) {
        color_ = *chosen;
    }
    return chosen.has_value();
}

const NativeWindow& TColorDialog::NearWindow() const {
    for (const TComponent* owner = Owner(); owner != nullptr; owner = owner->Owner()) {
        const auto* control = dynamic_cast<const TWinControl*>(owner);
        if (control != nullptr && control->Window() != nullptr) {
            return *control->Window();
        }
    }
    throw std::logic_error("a colour dialog opens from a shown window");
}

bool TColorDialog::SetProperty(std::string_view name, const LayoutValue& value,
                               LayoutContext& context) {
    if (name == "Color") {
        color_ = value.AsColor();
    } else if (name == "Ctl3D") {
        value.AsBool();  // the system draws the dialog its own way
    } else if (name == "Options") {
        // None are used: the clock passes its own flags.
        if (value.kind != LayoutValue::Kind::Set) {
            throw ELayoutError(value.line, "expected a set");
        }
    } else {
        return TComponent::SetProperty(name, value, context);
    }
    return true;
}

}  // namespace vc
