#include "settings/settings.h"

#include <utility>
#include <vector>

#include "framework/errors.h"
#include "framework/file_path.h"
#include "framework/texts.h"
#include "settings/value_rules.h"

namespace vc {
namespace {

// Releasing the settings object flushes the platform's copy of the file, also when a
// write has failed.
class FlushOnRelease {
  public:
    explicit FlushOnRelease(Profile& profile) : profile_(profile) {}
    ~FlushOnRelease() { profile_.Flush(); }
    FlushOnRelease(const FlushOnRelease&) = delete;
    FlushOnRelease& operator=(const FlushOnRelease&) = delete;

  private:
    Profile& profile_;
};

// The text passed as the default of the read: integers and flags get theirs from the rule.
std::string ReadDefaultText(const SettingDefinition& d, const SettingsPlaces& places) {
    switch (d.kind) {
        case ValueKind::Colour:
            return std::string(d.defaultText);
        case ValueKind::Folder:
            return std::get<std::string>(places.Get(d.id));
        default:
            return "";
    }
}

constexpr bool RowsInKeyOrder() {
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (static_cast<std::size_t>(kSettings[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInKeyOrder(), "Definition() finds a key's row by its number");

}  // namespace

SettingValue DefaultValue(const SettingDefinition& d) {
    switch (d.kind) {
        case ValueKind::Integer:
            return ReadInteger(d.defaultText, 0);
        case ValueKind::Flag:
            return ReadFlag(d.defaultText, false);
        case ValueKind::Colour:
            return ReadColor(d.defaultText, 0);
        case ValueKind::GameTimes:
            return ReadAlarmTimes(d.defaultText).taken;
        case ValueKind::Folder:
            break;
    }
    return std::string(d.defaultText);
}

SettingValues DefaultValues() {
    SettingValues values;
    for (const SettingDefinition& d : kSettings) {
        values[static_cast<std::size_t>(d.id)] = DefaultValue(d);
    }
    return values;
}

const SettingDefinition& Definition(SettingKey key) {
    return kSettings[static_cast<std::size_t>(key)];
}

std::string SettingsPathFor(std::string_view programPath, LeadByteTest isLeadByte) {
    return WithExtension(programPath, ".ini", isLeadByte);
}

std::optional<SettingValue> ReadSetting(const SettingDefinition& d, std::string_view text) {
    switch (d.kind) {
        case ValueKind::Integer:
        case ValueKind::Flag: {
            const auto value = ParseIntegerText(text, true);
            if (!value || *value < d.least) {
                return std::nullopt;
            }
            return d.kind == ValueKind::Flag ? SettingValue(*value != 0) : SettingValue(*value);
        }
        case ValueKind::Colour: {
            const auto value = ParseColorText(text);
            return value ? std::optional<SettingValue>(*value) : std::nullopt;
        }
        case ValueKind::GameTimes:
            return ReadAlarmTimes(text).taken;
        case ValueKind::Folder:
            break;
    }
    return std::string(text);
}

SettingValue TakenSetting(const SettingDefinition& d, std::string_view text) {
    return ReadSetting(d, text).value_or(DefaultValue(d));
}

std::string WriteSetting(const SettingValue& value) {
    if (const auto* integer = std::get_if<std::int32_t>(&value)) {
        return WriteInteger(*integer);
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return WriteFlag(*flag);
    }
    if (const auto* colour = std::get_if<TColor>(&value)) {
        return WriteColor(*colour);
    }
    if (const auto* times = std::get_if<GameTimesOfDay>(&value)) {
        return WriteAlarmTimes(*times);
    }
    return std::get<std::string>(value);
}

void LoadSettings(Profile& profile, SettingsPlaces& places,
                  const std::function<PathKind(const std::string&)>& kindOf) {
    std::vector<std::pair<SettingKey, std::string>> folders;
    {
        const FlushOnRelease release(profile);
        for (const SettingDefinition& d : kSettings) {
            const std::string text =
                profile.GetString(d.section, d.key, ReadDefaultText(d, places));
            if (d.kind == ValueKind::Folder) {
                folders.emplace_back(d.id, text);
                continue;
            }
            places.Put(d.id, TakenSetting(d, text));
        }
    }
    // Screenshots are written into the folder, so a plain file is never adopted.
    for (const auto& [key, candidate] : folders) {
        const std::string current = std::get<std::string>(places.Get(key));
        if (candidate != current && kindOf(candidate) == PathKind::Folder) {
            places.Put(key, candidate);
        }
    }
}

void SaveSettings(Profile& profile, const SettingsPlaces& places, const std::string& settingsPath) {
    const FlushOnRelease release(profile);
    for (SettingKey key : kSaveOrder) {
        const SettingDefinition& d = Definition(key);
        if (!profile.WriteString(d.section, d.key, WriteSetting(places.Get(key)))) {
            throw EIniFileException(texts::kCannotWriteFormat.cp932, settingsPath);
        }
    }
}

}  // namespace vc
