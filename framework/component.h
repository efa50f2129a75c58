#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/layout_value.h"
#include "framework/mouse.h"

namespace vc {

class TForm;
class WindowSystem;

class TComponent {
  public:
    explicit TComponent(TComponent* owner) : owner_(owner) {}
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual const char* ClassName() const = 0;
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponent* Owner() const { return owner_; }

    // Makes a component owned by this one; it is freed with its owner.
    template <typename T, typename... Args>
    T& Create(Args&&... args) {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& result = *component;
        components_.push_back(std::move(component));
        return result;
    }
    void Adopt(std::unique_ptr<TComponent> component);
    std::size_t ComponentCount() const { return components_.size(); }
    TComponent& Component(std::size_t index) const { return *components_[index]; }
    TComponent* FindComponent(std::string_view name) const;

    // Sets a property from a layout; false when this kind has no such property.
    virtual bool SetProperty(std::string_view name, const LayoutValue& value,
                             LayoutContext& context);
    // After the whole layout has been loaded.
    virtual void Loaded() {}

    // Events run through here so that the application can catch what they throw.
    void Dispatch(const std::function<void()>& handler) { DispatchFor(*this, handler); }
    // Whether the error box that one of this component's events raised is open now: its
    // loop runs the timers on, this component's among them.
    bool ErrorBoxOpen() const { return ErrorBoxOpenFor(*this); }
    virtual WindowSystem& System() const;

  protected:
    // Up the owners to the application, which knows whose event it runs.
    virtual void DispatchFor(const TComponent& source, const std::function<void()>& handler);
    virtual bool ErrorBoxOpenFor(const TComponent& source) const;

  private:
    TComponent* owner_;
    std::string name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};

// The named component of kind T; throws when it is missing or of another kind.
template <typename T>
T& FindAs(const TComponent& owner, std::string_view name) {
    auto* found = dynamic_cast<T*>(owner.FindComponent(name));
    if (found == nullptr) {
        throw std::logic_error("layout has no component " + std::string(name) + " of the kind " +
                               "the window needs");
    }
    return *found;
}

}  // namespace vc
