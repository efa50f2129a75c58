#include "framework/component_registry.h"

#include "framework/color_dialog.h"
#include "framework/image.h"
#include "framework/label.h"
#include "framework/menu.h"
#include "framework/panel.h"
#include "framework/timer.h"

namespace vc {

ComponentRegistry ComponentRegistry::WithStandardKinds() {
    ComponentRegistry registry;
    registry.Register<TImage>("TImage");
    registry.Register<TLabel>("TLabel");
    registry.Register<TPanel>("TPanel");
    registry.Register<TTimer>("TTimer");
    registry.Register<TPopupMenu>("TPopupMenu");
    registry.Register<TMenuItem>("TMenuItem");
    registry.Register<TColorDialog>("TColorDialog");
    return registry;
}

std::unique_ptr<TComponent> ComponentRegistry::Make(std::string_view kind,
                                                    TComponent& owner) const {
    const auto found = factories_.find(kind);
    return found == factories_.end() ? nullptr : found->second(owner);
}

}  // namespace vc
