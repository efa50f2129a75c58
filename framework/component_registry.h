#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "framework/component.h"

namespace vc {

// Makes components by kind name.
class ComponentRegistry {
  public:
    using Factory = std::function<std::unique_ptr<TComponent>(TComponent& owner)>;

    template <typename T>
    void Register(const std::string& kind) {
        factories_[kind] = [](TComponent& owner) { return std::make_unique<T>(&owner); };
    }
    // The framework's own kinds: TImage, TLabel, TPanel, TTimer, TPopupMenu, TMenuItem,
    // TColorDialog.
    static ComponentRegistry WithStandardKinds();

    std::unique_ptr<TComponent> Make(std::string_view kind, TComponent& owner) const;

  private:
    std::map<std::string, Factory, std::less<>> factories_;
};

}  // namespace vc
