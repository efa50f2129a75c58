// Where each setting lives in the clock window.
#include <algorithm>
#include <array>

#include "window/form_vt555.h"

namespace vc {

std::string TFormVT555::SettingsPath() const {
    return SettingsPathFor(shell_.ProgramPath(), shell_.PathLeadByte());
}

void TFormVT555::LoadSettings() {
    const auto profile = shell_.OpenProfile(SettingsPath());
    vc::LoadSettings(*profile, *this,
                     [this](const std::string& path) { return shell_.KindOf(path); });
}

void TFormVT555::SaveSettings() {
    const std::string path = SettingsPath();
    const auto profile = shell_.OpenProfile(path);
    vc::SaveSettings(*profile, *this, path);
}

// How a loaded value is put in the component that shows it and read back from it for saving.
struct TFormVT555::SettingPlace {
    SettingKey key;
    void (*put)(TFormVT555& form, const SettingValue& value);
    SettingValue (*get)(const TFormVT555& form);

    // The window's place on one axis; the other stays where the window is.
    template <bool left>
    static constexpr SettingPlace Position(SettingKey key) {
        return {key,
                [](TFormVT555& form, const SettingValue& value) {
                    const std::int32_t at = std::get<std::int32_t>(value);
                    form.SetPosition(left ? at : form.Left(), left ? form.Top() : at);
                },
                [](const TFormVT555& form) {
                    return SettingValue(std::int32_t{left ? form.Left() : form.Top()});
                }};
    }
    // A menu item's check mark.
    template <auto item>
    static constexpr SettingPlace Check(SettingKey key) {
        return {key,
                [](TFormVT555& form, const SettingValue& value) {
                    (form.*item)->SetChecked(std::get<bool>(value));
                },
                [](const TFormVT555& form) { return SettingValue((form.*item)->Checked()); }};
    }
    // A label's text colour.
    template <auto label>
    static constexpr SettingPlace TextColour(SettingKey key) {
        return {key,
                [](TFormVT555& form, const SettingValue& value) {
                    (form.*label)->SetFontColor(std::get<TColor>(value));
                },
                [](const TFormVT555& form) { return SettingValue((form.*label)->Font().Color); }};
    }
};

const TFormVT555::SettingPlace* TFormVT555::ShownPlaceOf(SettingKey key) {
    using P = SettingPlace;
    using K = SettingKey;
    static constexpr std::array places{
        P::Position<true>(K::XPos),
        P::Position<false>(K::YPos),
        P::Check<&TFormVT555::Popup_24Hour>(K::Hour24),
        P::TextColour<&TFormVT555::Label_VTime>(K::VTimeColor),
        // Shown once the strip is sized at start; the menu's check is what is saved.
        SettingPlace{
            K::ShowRTime,
            [](TFormVT555& form, const SettingValue& value) {
                form.showRealTimeAtStart_ = std::get<bool>(value);
            },
            [](const TFormVT555& form) { return SettingValue(form.Popup_ShowRTime->Checked()); }},
        P::TextColour<&TFormVT555::Label_RTime>(K::RTimeColor),
        P::Check<&TFormVT555::Popup_BGColor>(K::DayOrNight),
        P::Check<&TFormVT555::Popup_SS>(K::CtrlPSave),
    };
    const auto found = std::ranges::find(places, key, &SettingPlace::key);
    return found == places.end() ? nullptr : &*found;
}

void TFormVT555::Put(SettingKey key, const SettingValue& value) {
    if (const SettingPlace* place = ShownPlaceOf(key)) {
        place->put(*this, value);
        return;
    }
    settings_[static_cast<std::size_t>(key)] = value;
}

SettingValue TFormVT555::Get(SettingKey key) const {
    const SettingPlace* place = ShownPlaceOf(key);
    return place != nullptr ? place->get(*this) : settings_[static_cast<std::size_t>(key)];
}

}  // namespace vc
