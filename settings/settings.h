#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "framework/color.h"
#include "framework/seam/shell.h"
#include "settings/alarm_times.h"

namespace vc {

enum class SettingKey {
    XPos,
    YPos,
    Hour24,
    VTimeColor,
    ShowRTime,
    RTimeColor,
    DayOrNight,
    DefaultColor,
    DayColor,
    NightColor,
    CtrlPSave,
    SaveFolder,
    Bmp,
    AlertDusk,
    AlertDawn,
    AlertLead,
    AlertAt,
    ShotNotice,
};

enum class ValueKind { Integer, Flag, Colour, Text, GameTimes };

struct SettingDefinition {
    SettingKey id;
    std::string_view section;
    std::string_view key;
    ValueKind kind;
    std::string_view defaultText;  // as the file would hold it; empty for the folder
    // An integer below this is a bad value and takes the default.
    std::int32_t least = std::numeric_limits<std::int32_t>::min();
};

// Load order, one row per key in the order of SettingKey. The extras after "BMP" are written
// only by the user, as "BMP" is.
inline constexpr auto kSettings = std::to_array<SettingDefinition>({
    {SettingKey::XPos, "VeltriaTime", "XPos", ValueKind::Integer, "0"},
    {SettingKey::YPos, "VeltriaTime", "YPos", ValueKind::Integer, "0"},
    {SettingKey::Hour24, "VeltriaTime", "24Hour", ValueKind::Flag, "1"},
    {SettingKey::VTimeColor, "VeltriaTime", "Color", ValueKind::Colour, "FFFFFF"},
    {SettingKey::ShowRTime, "RealTime", "Show", ValueKind::Flag, "0"},
    {SettingKey::RTimeColor, "RealTime", "Color", ValueKind::Colour, "FFFFFF"},
    {SettingKey::DayOrNight, "BackGroundColor", "DayOrNight", ValueKind::Flag, "0"},
    {SettingKey::DefaultColor, "BackGroundColor", "DefaultColor", ValueKind::Colour, "000000"},
    {SettingKey::DayColor, "BackGroundColor", "DayColor", ValueKind::Colour, "FF0000"},
    {SettingKey::NightColor, "BackGroundColor", "NightColor", ValueKind::Colour, "00007F"},
    {SettingKey::CtrlPSave, "ScreenShot", "CtrlP_Save", ValueKind::Flag, "1"},
    {SettingKey::SaveFolder, "ScreenShot", "SaveFolder", ValueKind::Text, ""},
    {SettingKey::Bmp, "ScreenShot", "BMP", ValueKind::Flag, "0"},
    {SettingKey::AlertDusk, "Alert", "Dusk", ValueKind::Flag, "0"},
    {SettingKey::AlertDawn, "Alert", "Dawn", ValueKind::Flag, "0"},
    {SettingKey::AlertLead, "Alert", "Lead", ValueKind::Integer, "60", 0},
    {SettingKey::AlertAt, "Alert", "At", ValueKind::GameTimes, ""},
    {SettingKey::ShotNotice, "ScreenShot", "Notice", ValueKind::Flag, "0"},
});

// Save order: the keys the clock writes; "BMP" and the extras are only ever written by the
// user.
inline constexpr std::array kSaveOrder{
    SettingKey::XPos,      SettingKey::YPos,       SettingKey::VTimeColor, SettingKey::Hour24,
    SettingKey::ShowRTime, SettingKey::RTimeColor, SettingKey::DayOrNight, SettingKey::DefaultColor,
    SettingKey::DayColor,  SettingKey::NightColor, SettingKey::CtrlPSave,  SettingKey::SaveFolder,
};

const SettingDefinition& Definition(SettingKey key);

// Integers, flags, colours, texts and game times.
using SettingValue = std::variant<std::int32_t, bool, TColor, std::string, GameTimesOfDay>;

// Where each value goes when loaded and comes from when saved: the window's position, menu
// checks, label colours and the program-wide values.
class SettingsPlaces {
  public:
    virtual ~SettingsPlaces() = default;
    virtual void Put(SettingKey key, const SettingValue& value) = 0;
    virtual SettingValue Get(SettingKey key) const = 0;
};

// The program file's path with its extension replaced by ".ini" (appended when it has none).
std::string SettingsPathFor(std::string_view programPath, LeadByteTest isLeadByte = IsLeadByte);

// Reads every key of kSettings in load order, each into its place before the next is read, then
// flushes; the stored screenshot folder replaces the current one only when it differs from
// it byte for byte and names an existing folder.
void LoadSettings(Profile& profile, SettingsPlaces& places,
                  const std::function<PathKind(const std::string&)>& kindOf);

// Writes the keys of kSaveOrder in that order and flushes. The first write that fails raises
// EIniFileException naming `settingsPath`; the keys after it are not attempted.
void SaveSettings(Profile& profile, const SettingsPlaces& places, const std::string& settingsPath);

// The value a stored text gives for a key, or nothing when the key's default applies.
std::optional<SettingValue> ReadSetting(const SettingDefinition& definition, std::string_view text);

// The value the clock takes from a stored text: the text's, or else the key's default.
SettingValue TakenSetting(const SettingDefinition& definition, std::string_view text);

std::string WriteSetting(const SettingValue& value);

}  // namespace vc
