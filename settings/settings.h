#pragma once
#include <algorithm>
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

enum class ValueKind { Integer, Flag, Colour, Folder, GameTimes };

// The clock never writes a key whose row says so: only the user does.
inline constexpr int kNeverWritten = -1;

struct SettingDefinition {
    SettingKey id;
    std::string_view section;
    std::string_view key;
    ValueKind kind;
    std::string_view defaultText;  // as the file would hold it; empty for the folder
    // The key's place among those the clock writes when it saves, or kNeverWritten.
    int savedAt = kNeverWritten;
    // An integer below this is a bad value and takes the default.
    std::int32_t least = std::numeric_limits<std::int32_t>::min();
};

// Every setting, once, in load order: one row per key in the order of SettingKey. The clock
// saves its twelve in their own order, colour before hour mode as the file has always had
// them; "BMP" and the extras after it are written only by the user.
inline constexpr auto kSettings = std::to_array<SettingDefinition>({
    {SettingKey::XPos, "VeltriaTime", "XPos", ValueKind::Integer, "0", 0},
    {SettingKey::YPos, "VeltriaTime", "YPos", ValueKind::Integer, "0", 1},
    {SettingKey::Hour24, "VeltriaTime", "24Hour", ValueKind::Flag, "1", 3},
    {SettingKey::VTimeColor, "VeltriaTime", "Color", ValueKind::Colour, "FFFFFF", 2},
    {SettingKey::ShowRTime, "RealTime", "Show", ValueKind::Flag, "0", 4},
    {SettingKey::RTimeColor, "RealTime", "Color", ValueKind::Colour, "FFFFFF", 5},
    {SettingKey::DayOrNight, "BackGroundColor", "DayOrNight", ValueKind::Flag, "0", 6},
    {SettingKey::DefaultColor, "BackGroundColor", "DefaultColor", ValueKind::Colour, "000000", 7},
    {SettingKey::DayColor, "BackGroundColor", "DayColor", ValueKind::Colour, "FF0000", 8},
    {SettingKey::NightColor, "BackGroundColor", "NightColor", ValueKind::Colour, "00007F", 9},
    {SettingKey::CtrlPSave, "ScreenShot", "CtrlP_Save", ValueKind::Flag, "1", 10},
    {SettingKey::SaveFolder, "ScreenShot", "SaveFolder", ValueKind::Folder, "", 11},
    {SettingKey::Bmp, "ScreenShot", "BMP", ValueKind::Flag, "0"},
    {SettingKey::AlertDusk, "Alert", "Dusk", ValueKind::Flag, "0"},
    {SettingKey::AlertDawn, "Alert", "Dawn", ValueKind::Flag, "0"},
    {SettingKey::AlertLead, "Alert", "Lead", ValueKind::Integer, "60", kNeverWritten, 0},
    {SettingKey::AlertAt, "Alert", "At", ValueKind::GameTimes, ""},
    {SettingKey::ShotNotice, "ScreenShot", "Notice", ValueKind::Flag, "0"},
});

// The keys the clock writes, in the order it writes them: from the rows' savedAt.
inline constexpr auto kSaveOrder = [] {
    constexpr auto saved = std::ranges::count_if(
        kSettings, [](const SettingDefinition& d) { return d.savedAt != kNeverWritten; });
    std::array<SettingKey, saved> order{};
    std::array<bool, saved> taken{};
    for (const SettingDefinition& d : kSettings) {
        if (d.savedAt == kNeverWritten) {
            continue;
        }
        // Out of range or taken twice does not compile (a constant expression may not throw);
        // as many places as saved keys, each taken once, leaves none empty.
        if (d.savedAt < 0 || d.savedAt >= saved || taken[d.savedAt]) {
            throw "each saved key needs a place of its own in the save order";
        }
        order[d.savedAt] = d.id;
        taken[d.savedAt] = true;
    }
    return order;
}();

const SettingDefinition& Definition(SettingKey key);

// Integers, flags, colours, texts and game times.
using SettingValue = std::variant<std::int32_t, bool, TColor, std::string, GameTimesOfDay>;

// One value per key, in key order.
using SettingValues = std::array<SettingValue, kSettings.size()>;

// The value a key takes when the file has none it can use.
SettingValue DefaultValue(const SettingDefinition& definition);

// Every key at its default.
SettingValues DefaultValues();

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
