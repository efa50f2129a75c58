#include "framework/component.h"

#include <utility>

namespace vc {

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
