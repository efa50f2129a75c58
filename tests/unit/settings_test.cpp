#include "settings/settings.h"

#include <gtest/gtest.h>

#include <map>

#include "framework/errors.h"
#include "platform/posix/cp932.h"

namespace vc {
namespace {

// Keys by "section.key"; records the calls it gets.
class MemoryProfile final : public Profile {
  public:
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view fallback) override {
        calls.push_back("get " + Name(section, key));
        const auto found = values.find(Name(section, key));
        return found == values.end() ? std::string(fallback) : found->second;
    }
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override {
        calls.push_back("write " + Name(section, key) + "=" + std::string(value));
        if (Name(section, key) == failAt) {
            return false;
        }
        values[Name(section, key)] = value;
        return true;
    }
    void Flush() override { calls.push_back("flush"); }

    static std::string Name(std::string_view section, std::string_view key) {
        return std::string(section) + "." + std::string(key);
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> calls;
    std::string failAt;
};

class RecordingPlaces final : public SettingsPlaces {
  public:
    void Put(SettingKey key, const SettingValue& value) override {
        put.emplace_back(key, value);
        values[key] = value;
    }
    SettingValue Get(SettingKey key) const override { return values.at(key); }

    std::vector<std::pair<SettingKey, SettingValue>> put;
    std::map<SettingKey, SettingValue> values{{SettingKey::SaveFolder, std::string("C:\\Docs")}};
};

PathKind NothingExists(const std::string&) {
    return PathKind::None;
}

TEST(LoadSettings, WithoutAFileEveryKeyTakesItsDefaultInLoadOrder) {
    MemoryProfile profile;
    RecordingPlaces places;
    LoadSettings(profile, places, NothingExists);
    const std::vector<std::pair<SettingKey, SettingValue>> expected{
        {SettingKey::XPos, std::int32_t{0}},
        {SettingKey::YPos, std::int32_t{0}},
        {SettingKey::Hour24, true},
        {SettingKey::VTimeColor, TColor{0xFFFFFF}},
        {SettingKey::ShowRTime, false},
        {SettingKey::RTimeColor, TColor{0xFFFFFF}},
        {SettingKey::DayOrNight, false},
        {SettingKey::DefaultColor, TColor{0x000000}},
        {SettingKey::DayColor, TColor{0xFF0000}},
        {SettingKey::NightColor, TColor{0x00007F}},
        {SettingKey::CtrlPSave, true},
        {SettingKey::Bmp, false},
        {SettingKey::AlertDusk, false},
        {SettingKey::AlertDawn, false},
        {SettingKey::AlertLead, std::int32_t{60}},
        {SettingKey::AlertAt, GameTimesOfDay{}},
        {SettingKey::ShotNotice, false},
    };
    EXPECT_EQ(places.put, expected);
    ASSERT_EQ(profile.calls.size(), 19u);
    EXPECT_EQ(profile.calls[3], "get VeltriaTime.Color");
    EXPECT_EQ(profile.calls[11], "get ScreenShot.SaveFolder");
    EXPECT_EQ(profile.calls.back(), "flush");
}

TEST(LoadSettings, StoredValuesGoToTheirPlaces) {
    MemoryProfile profile;
    profile.values = {{"VeltriaTime.XPos", "0x64"},        {"VeltriaTime.YPos", "100px"},
                      {"VeltriaTime.24Hour", "2"},         {"VeltriaTime.Color", "ff8000"},
                      {"RealTime.Color", "80000008"},      {"RealTime.Show", "yes"},
                      {"BackGroundColor.DayColor", "-FF"}, {"ScreenShot.BMP", "1"},
                      {"Alert.At", "21:30,7,06:00"}};
    RecordingPlaces places;
    LoadSettings(profile, places, NothingExists);
    EXPECT_EQ(places.values.at(SettingKey::XPos), SettingValue(std::int32_t{100}));
    EXPECT_EQ(places.values.at(SettingKey::YPos), SettingValue(std::int32_t{0}));
    EXPECT_EQ(places.values.at(SettingKey::Hour24), SettingValue(true));
    EXPECT_EQ(places.values.at(SettingKey::VTimeColor), SettingValue(TColor{0xFF8000}));
    EXPECT_EQ(places.values.at(SettingKey::RTimeColor), SettingValue(TColor{0x80000008}));
    EXPECT_EQ(places.values.at(SettingKey::ShowRTime), SettingValue(false));
    EXPECT_EQ(places.values.at(SettingKey::AlertAt),
              SettingValue(GameTimesOfDay{{21 * 60 + 30, 6 * 60}}));
    EXPECT_EQ(places.values.at(SettingKey::DayColor), SettingValue(TColor{0xFF0000}));
    EXPECT_EQ(places.values.at(SettingKey::Bmp), SettingValue(true));
}

TEST(LoadSettings, AdoptsAStoredFolderOnlyWhenItIsAnotherExistingFolder) {
    struct Case {
        const char* stored;
        PathKind kind;
        const char* used;
    };
    for (const Case& c :
         {Case{"D:\\Shots", PathKind::Folder, "D:\\Shots"},
          Case{"D:\\Shots", PathKind::None, "C:\\Docs"},
          Case{"D:\\shots.txt", PathKind::File, "C:\\Docs"}, Case{"", PathKind::None, "C:\\Docs"},
          Case{"c:\\docs", PathKind::Folder, "c:\\docs"}}) {
        MemoryProfile profile;
        profile.values["ScreenShot.SaveFolder"] = c.stored;
        RecordingPlaces places;
        LoadSettings(profile, places, [&](const std::string&) { return c.kind; });
        EXPECT_EQ(places.values.at(SettingKey::SaveFolder), SettingValue(std::string(c.used)))
            << c.stored;
    }
}

RecordingPlaces FirstRunPlaces() {
    RecordingPlaces places;
    MemoryProfile empty;
    LoadSettings(empty, places, NothingExists);
    places.values[SettingKey::SaveFolder] = std::string("C:\\Docs");
    return places;
}

TEST(SaveSettings, WritesTwelveKeysInSaveOrderThenFlushes) {
    MemoryProfile profile;
    SaveSettings(profile, FirstRunPlaces(), "C:\\clock.ini");
    const std::vector<std::string> expected{
        "write VeltriaTime.XPos=0",
        "write VeltriaTime.YPos=0",
        "write VeltriaTime.Color=FFFFFF",
        "write VeltriaTime.24Hour=1",
        "write RealTime.Show=0",
        "write RealTime.Color=FFFFFF",
        "write BackGroundColor.DayOrNight=0",
        "write BackGroundColor.DefaultColor=000000",
        "write BackGroundColor.DayColor=FF0000",
        "write BackGroundColor.NightColor=00007F",
        "write ScreenShot.CtrlP_Save=1",
        "write ScreenShot.SaveFolder=C:\\Docs",
        "flush",
    };
    EXPECT_EQ(profile.calls, expected);
}

TEST(SaveSettings, AFailedWriteStopsThereFlushesAndNamesTheFile) {
    MemoryProfile profile;
    profile.failAt = "RealTime.Show";
    try {
        SaveSettings(profile, FirstRunPlaces(), "C:\\clock.ini");
        FAIL() << "no error";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(Cp932ToUtf8(error.what()), "C:\\clock.ini に書き込めません");
    }
    ASSERT_EQ(profile.calls.size(), 6u);
    EXPECT_EQ(profile.calls[4], "write RealTime.Show=0");
    EXPECT_EQ(profile.calls[5], "flush");
    EXPECT_EQ(profile.values.size(), 4u) << "the keys before stay written";
}

}  // namespace
}  // namespace vc
