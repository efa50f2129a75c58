#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "framework/color.h"
#include "framework/mouse.h"

namespace vc {

class TComponent;
using TObject = TComponent;
using TNotifyEvent = std::function<void(TObject* sender)>;
using TShiftState = unsigned;  // flags of the keys and buttons held (ssLeft, ssMiddle)
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

// One property value of a stored layout. Strings are CP932 by the time they get here.
struct LayoutValue {
    enum class Kind { Integer, Identifier, String, Set };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;                // identifier or string
    std::vector<std::string> items;  // set
    int line = 0;

    int AsInt() const;
    bool AsBool() const;
    const std::string& AsString() const;
    const std::string& AsIdentifier() const;
    TColor AsColor() const;
    // One of `names`, by position; throws naming the value otherwise.
    int AsEnum(std::initializer_list<std::string_view> names) const;
};

// What building a component from a layout needs besides its own properties.
class LayoutContext {
  public:
    virtual ~LayoutContext() = default;
    virtual TNotifyEvent NotifyHandler(const LayoutValue& name) = 0;
    virtual TMouseEvent MouseHandler(const LayoutValue& name) = 0;
    virtual std::string PictureBytes(const LayoutValue& name) = 0;
    // Runs `resolve` with the named component once every component exists.
    virtual void Reference(const LayoutValue& name,
                           std::function<void(TComponent& target)> resolve) = 0;
};

}  // namespace vc
