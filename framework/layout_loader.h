#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "framework/component.h"
#include "framework/component_registry.h"

namespace vc {

class TForm;

struct LayoutSources {
    // Layout texts are UTF-8; components get them in CP932.
    std::function<std::string(std::string_view utf8)> toCp932;
    // The bytes of a named picture.
    std::function<std::string(const std::string& name)> picture;
};

// Builds `form` and everything it owns from a stored layout:
//
//   object FormVT555: TFormVT555      the form itself, first
//     Caption = 'FormVT555'           property = number, 'text', Name or [Set, Items]
//     object Image_BG: TImage         a component; nested controls are its children
//       PopupMenu = PopupMenuC        a reference to another component by name
//     end
//     object TMyCallback              a nameless component
//     end
//   end
//
// Event properties name the form's handlers. Anything unknown or malformed throws
// ELayoutError naming the line.
void LoadLayout(TForm& form, std::string_view text, const ComponentRegistry& registry,
                const LayoutSources& sources);

}  // namespace vc
