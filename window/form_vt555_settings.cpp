// Where each setting lives in the clock window.
#include <array>
#include <type_traits>
#include <utility>

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

// One row per key, in key order: how a loaded value is put in its place and read back from
// it for saving.
struct TFormVT555::SettingPlace {
    SettingKey key;
    void (*put)(TFormVT555& form, const SettingValue& value);
    SettingValue (*get)(const TFormVT555& form);

    // A program-wide value of the window.
    template <auto member>
    static constexpr SettingPlace Value(SettingKey key) {
        using Type = std::remove_cvref_t<decltype(std::declval<TFormVT555&>().*member)>;
        return {key,
                [](TFormVT555& form, const SettingValue& value) {
                    form.*member = std::get<Type>(value);
                },
                [](const TFormVT555& form) { return SettingValue(form.*member); }};
    }
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

const TFormVT555::SettingPlace& TFormVT555::PlaceOf(SettingKey key) {
    using P = SettingPlace;
    using K = SettingKey;
    static constexpr std::array<SettingPlace, kSettings.size()> places{{
        P::Position<true>(K::XPos),
        P::Position<false>(K::YPos),
        P::Check<&TFormVT555::Popup_24Hour>(K::Hour24),
        P::TextColour<&TFormVT555::Label_VTime>(K::VTimeColor),
        // Shown once the strip is sized at start; the menu's check is what is saved.
        {K::ShowRTime,
         [](TFormVT555& form, const SettingValue& value) {
             form.showRealTimeAtStart_ = std::get<bool>(value);
         },
         [](const TFormVT555& form) { return SettingValue(form.Popup_ShowRTime->Checked()); }},
        P::TextColour<&TFormVT555::Label_RTime>(K::RTimeColor),
        P::Check<&TFormVT555::Popup_BGColor>(K::DayOrNight),
        P::Value<&TFormVT555::DefaultBgColor>(K::DefaultColor),
        P::Value<&TFormVT555::DayBgColor>(K::DayColor),
        P::Value<&TFormVT555::NightBgColor>(K::NightColor),
        P::Check<&TFormVT555::Popup_SS>(K::CtrlPSave),
        P::Value<&TFormVT555::ScreenshotFolder>(K::SaveFolder),
        P::Value<&TFormVT555::SaveBmp>(K::Bmp),
        P::Value<&TFormVT555::AlertOnDusk>(K::AlertDusk),
        P::Value<&TFormVT555::AlertOnDawn>(K::AlertDawn),
        P::Value<&TFormVT555::AlertLeadSeconds>(K::AlertLead),
        P::Value<&TFormVT555::AlertAtTimes>(K::AlertAt),
        P::Value<&TFormVT555::ScreenshotNotice>(K::ShotNotice),
    }};
    static_assert(
        [] {
            for (std::size_t i = 0; i < places.size(); ++i) {
                if (static_cast<std::size_t>(places[i].key) != i) {
                    return false;
                }
            }
            return true;
        }(),
        "a key's row is found by its number");
    return places[static_cast<std::size_t>(key)];
}

void TFormVT555::Put(SettingKey key, const SettingValue& value) {
    PlaceOf(key).put(*this, value);
}

SettingValue TFormVT555::Get(SettingKey key) const {
    return PlaceOf(key).get(*this);
}

}  // namespace vc
