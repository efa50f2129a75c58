#include "framework/menu.h"

#include "framework/access_keys.h"
#include "framework/seam/window_system.h"

namespace vc {

bool TMenuItem::SetProperty(std::string_view name, const LayoutValue& value,
                            LayoutContext& context) {
    if (name == "Caption") {
        caption_ = value.AsString();
    } else if (name == "Checked") {
        checked_ = value.AsBool();
    } else if (name == "Visible") {
        visible_ = value.AsBool();
    } else if (name == "Enabled") {
        enabled_ = value.AsBool();
    } else if (name == "OnClick") {
        OnClick = context.NotifyHandler(value);
    } else {
        return TComponent::SetProperty(name, value, context);
    }
    return true;
}

void TPopupMenu::RethinkAccessKeys() {
    std::vector<MenuCaption> captions;
    for (const TMenuItem* item : items_) {
        captions.push_back({item->Caption(), item->Visible(), item->IsSeparator()});
    }
    AssignAccessKeys(captions, System().DoubleByteCodePage());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        items_[i]->SetCaption(captions[i].caption);
    }
}

void TPopupMenu::Popup(Point at) {
    RethinkAccessKeys();
    std::vector<MenuEntry> entries;
    std::vector<TMenuItem*> shown;
    for (TMenuItem* item : items_) {
        if (item->Visible()) {
            entries.push_back(
                {item->Caption(), item->IsSeparator(), item->Checked(), item->Enabled()});
            shown.push_back(item);
        }
    }
    const int chosen = System().TrackPopupMenu(entries, at);
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < shown.size()) {
        TMenuItem* item = shown[static_cast<std::size_t>(chosen)];
        if (item->OnClick) {
            Dispatch([item] { item->OnClick(item); });
        }
    }
}

bool TPopupMenu::SetProperty(std::string_view name, const LayoutValue& value,
                             LayoutContext& context) {
    if (name == "AutoPopup") {
        autoPopup_ = value.AsBool();
    } else {
        return TComponent::SetProperty(name, value, context);
    }
    return true;
}

}  // namespace vc
