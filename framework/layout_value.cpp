#include "framework/layout_value.h"

#include <array>

#include "framework/errors.h"

namespace vc {
namespace {

struct NamedColor {
    std::string_view name;
    TColor value;
};

constexpr std::array<NamedColor, 7> kNamedColors{{
    {"clBlack", clBlack},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clBtnFace", clBtnFace},
    {"clWindowText", clWindowText},
    {"clActiveCaption", clActiveCaption},
    {"clRed", clRed},
}};

[[noreturn]] void Wrong(const LayoutValue& value, const std::string& expected) {
    throw ELayoutError(value.line, "expected " + expected);
}

}  // namespace

int LayoutValue::AsInt() const {
    if (kind != Kind::Integer) {
        Wrong(*this, "a number");
    }
    return static_cast<int>(integer);
}

bool LayoutValue::AsBool() const {
    return AsEnum({"False", "True"}) == 1;
}

const std::string& LayoutValue::AsString() const {
    if (kind != Kind::String) {
        Wrong(*this, "a quoted text");
    }
    return text;
}

const std::string& LayoutValue::AsIdentifier() const {
    if (kind != Kind::Identifier) {
        Wrong(*this, "a name");
    }
    return text;
}

TColor LayoutValue::AsColor() const {
    if (kind == Kind::Integer) {
        return static_cast<TColor>(integer);
    }
    for (const NamedColor& named : kNamedColors) {
        if (kind == Kind::Identifier && text == named.name) {
            return named.value;
        }
    }
    Wrong(*this, "a colour");
}

int LayoutValue::AsEnum(std::initializer_list<std::string_view> names) const {
    int index = 0;
    std::string expected;
    for (std::string_view name : names) {
        if (kind == Kind::Identifier && text == name) {
            return index;
        }
        expected += (index++ == 0 ? "" : " or ") + std::string(name);
    }
    Wrong(*this, expected);
}

}  // namespace vc
