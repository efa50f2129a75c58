#include "framework/component.h"

#include <array>
#include <utility>

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

TComponent::~TComponent() {
    // Back to front, as a class's members go: a component made later may refer to one made
    // before it, and may still use it while it is destroyed.
    while (!components_.empty()) {
        components_.pop_back();
    }
}

void TComponent::Adopt(std::unique_ptr<TComponent> component) {
    components_.push_back(std::move(component));
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (const auto& component : components_) {
        if (!name.empty() && component->Name() == name) {
            return component.get();
        }
    }
    return nullptr;
}

bool TComponent::SetProperty(std::string_view, const LayoutValue&, LayoutContext&) {
    return false;
}

void TComponent::DispatchFor(const TComponent& source, const std::function<void()>& handler) {
    if (owner_ != nullptr) {
        owner_->DispatchFor(source, handler);
    } else {
        handler();
    }
}

bool TComponent::ErrorBoxOpenFor(const TComponent& source) const {
    return owner_ != nullptr && owner_->ErrorBoxOpenFor(source);
}

WindowSystem& TComponent::System() const {
    if (owner_ == nullptr) {
        throw std::logic_error(std::string(ClassName()) + " belongs to no window");
    }
    return owner_->System();
}

}  // namespace vc
