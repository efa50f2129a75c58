#pragma once
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/geometry.h"

namespace vc {

class TMenuItem : public TComponent {
  public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string cp932) { caption_ = std::move(cp932); }
    bool IsSeparator() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    TNotifyEvent OnClick;

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  private:
    std::string caption_;
    bool checked_ = false;
    bool visible_ = true;
    bool enabled_ = true;
};

// A menu opened by code at a screen point; the chosen item's OnClick runs.
class TPopupMenu : public TComponent {
  public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TPopupMenu"; }

    const std::vector<TMenuItem*>& Items() const { return items_; }
    void Add(TMenuItem& item) { items_.push_back(&item); }
    bool AutoPopup() const { return autoPopup_; }

    // Gives keyless items their access keys, then shows the menu at `at`.
    void Popup(Point at);

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  private:
    void RethinkAccessKeys();

    std::vector<TMenuItem*> items_;
    bool autoPopup_ = true;
};

}  // namespace vc
