#include "tray/task_tray_mini.h"

#include "framework/errors.h"
#include "framework/menu.h"

namespace vc {

bool TTaskTrayMini::SetProperty(std::string_view name, const LayoutValue& value,
                                LayoutContext& context) {
    struct Gate {
        std::string_view name;
        bool& flag;
    };
    struct Event {
        std::string_view name;
        TMouseEvent& event;
    };
    for (const Gate& gate :
         {Gate{"EnableMouseUp", EnableMouseUp}, Gate{"EnableMouseDown", EnableMouseDown},
          Gate{"EnableMMouseUp", EnableMMouseUp}, Gate{"EnableMMouseDown", EnableMMouseDown}}) {
        if (name == gate.name) {
            gate.flag = value.AsBool();
            return true;
        }
    }
    for (const Event& event :
         {Event{"OnMouseUp", OnMouseUp}, Event{"OnMouseDown", OnMouseDown},
          Event{"OnMMouseUp", OnMMouseUp}, Event{"OnMMouseDown", OnMMouseDown}}) {
        if (name == event.name) {
            event.event = context.MouseHandler(value);
            return true;
        }
    }
    if (name == "PopupMenuR") {
        context.Reference(value, [this, line = value.line](TComponent& target) {
            PopupMenuR = dynamic_cast<TPopupMenu*>(&target);
            if (PopupMenuR == nullptr) {
                throw ELayoutError(line, target.Name() + " is not a popup menu");
            }
        });
        return true;
    }
    return TComponent::SetProperty(name, value, context);
}

}  // namespace vc
