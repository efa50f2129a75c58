// Where each setting lives in the clock window.
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

void TFormVT555::Put(SettingKey key, const SettingValue& value) {
    switch (key) {
        case SettingKey::XPos:
            SetPosition(std::get<std::int32_t>(value), Top());
            break;
        case SettingKey::YPos:
            SetPosition(Left(), std::get<std::int32_t>(value));
            break;
        case SettingKey::Hour24:
            Popup_24Hour->SetChecked(std::get<bool>(value));
            break;
        case SettingKey::VTimeColor:
            Label_VTime->SetFontColor(std::get<TColor>(value));
            break;
        case SettingKey::ShowRTime:
            showRealTimeAtStart_ = std::get<bool>(value);
            break;
        case SettingKey::RTimeColor:
            Label_RTime->SetFontColor(std::get<TColor>(value));
            break;
        case SettingKey::DayOrNight:
            Popup_BGColor->SetChecked(std::get<bool>(value));
            break;
        case SettingKey::DefaultColor:
            DefaultBgColor = std::get<TColor>(value);
            break;
        case SettingKey::DayColor:
            DayBgColor = std::get<TColor>(value);
            break;
        case SettingKey::NightColor:
            NightBgColor = std::get<TColor>(value);
            break;
        case SettingKey::CtrlPSave:
            Popup_SS->SetChecked(std::get<bool>(value));
            break;
        case SettingKey::SaveFolder:
            ScreenshotFolder = std::get<std::string>(value);
            break;
        case SettingKey::Bmp:
            SaveBmp = std::get<bool>(value);
            break;
        case SettingKey::AlertDusk:
            AlertOnDusk = std::get<bool>(value);
            break;
        case SettingKey::AlertDawn:
            AlertOnDawn = std::get<bool>(value);
            break;
        case SettingKey::AlertLead:
            AlertLeadSeconds = std::get<std::int32_t>(value);
            break;
        case SettingKey::ShotNotice:
            ScreenshotNotice = std::get<bool>(value);
            break;
    }
}

SettingValue TFormVT555::Get(SettingKey key) const {
    switch (key) {
        case SettingKey::XPos:
            return std::int32_t{Left()};
        case SettingKey::YPos:
            return std::int32_t{Top()};
        case SettingKey::Hour24:
            return Popup_24Hour->Checked();
        case SettingKey::VTimeColor:
            return Label_VTime->Font().Color;
        case SettingKey::ShowRTime:
            return Popup_ShowRTime->Checked();
        case SettingKey::RTimeColor:
            return Label_RTime->Font().Color;
        case SettingKey::DayOrNight:
            return Popup_BGColor->Checked();
        case SettingKey::DefaultColor:
            return DefaultBgColor;
        case SettingKey::DayColor:
            return DayBgColor;
        case SettingKey::NightColor:
            return NightBgColor;
        case SettingKey::CtrlPSave:
            return Popup_SS->Checked();
        case SettingKey::SaveFolder:
            return ScreenshotFolder;
        case SettingKey::Bmp:
            return SaveBmp;
        case SettingKey::AlertDusk:
            return AlertOnDusk;
        case SettingKey::AlertDawn:
            return AlertOnDawn;
        case SettingKey::AlertLead:
            return AlertLeadSeconds;
        case SettingKey::ShotNotice:
            break;
    }
    return ScreenshotNotice;
}

}  // namespace vc
