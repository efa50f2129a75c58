#include "window/balloon_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/game_time.h"
#include "framework/texts.h"
#include "settings/alarm_times.h"

#include "framework/cp932_bytes.h"
#include "platform/posix/cp932.h"

namespace vc {
namespace {

// The texts are fixed bytes; the times of day they name are the clock's phases.
TEST(AlertBalloon, TheDuskAndDawnTextsNameThePhasesTimes) {
    const struct {
        std::int32_t phaseMs;
        std::vector<texts::Text> texts;
    } phases[] = {
        {kGameDuskMs,
         {texts::kDuskInMinutesFormat, texts::kDuskInSecondsFormat, texts::kDuskReached}},
        {kGameDawnMs,
         {texts::kDawnInMinutesFormat, texts::kDawnInSecondsFormat, texts::kDawnReached}},
    };
    for (const auto& phase : phases) {
        const std::string time = FormatGameMinute(phase.phaseMs / kGameMsPerMinute);
        for (const texts::Text& text : phase.texts) {
            EXPECT_NE(text.cp932.find(time), std::string_view::npos) << text.decoded;
        }
    }
}

TEST(AlertBalloon, SaysTheRealTimeLeftInMinutesOrSeconds) {
    const struct {
        AlertKind kind;
        std::int32_t gameMinute;
        std::int64_t msAway;
        const char* title;
        const char* text;
    } cases[] = {
        {AlertKind::Dusk, 1140, 60'000, "夜の訪れ",
         "実時間であと約1分でゲーム内は19:00、夜になります。"},
        {AlertKind::Dusk, 1140, 3'600'000, "夜の訪れ",
         "実時間であと約60分でゲーム内は19:00、夜になります。"},
        {AlertKind::Dusk, 1140, 89'000, "夜の訪れ",
         "実時間であと約1分でゲーム内は19:00、夜になります。"},
        {AlertKind::Dusk, 1140, 90'000, "夜の訪れ",
         "実時間であと約2分でゲーム内は19:00、夜になります。"},
        {AlertKind::Dawn, 300, 59'499, "朝の訪れ",
         "実時間であと約59秒でゲーム内は05:00、朝になります。"},
        {AlertKind::Dawn, 300, 24'000, "朝の訪れ",
         "実時間であと約24秒でゲーム内は05:00、朝になります。"},
        {AlertKind::Dawn, 300, 500, "朝の訪れ",
         "実時間であと約1秒でゲーム内は05:00、朝になります。"},
        {AlertKind::Dawn, 300, 499, "朝の訪れ", "ゲーム内は05:00、朝になりました。"},
        {AlertKind::Dusk, 1140, 0, "夜の訪れ", "ゲーム内は19:00、夜になりました。"},
        {AlertKind::Dusk, 1140, -1'500, "夜の訪れ", "ゲーム内は19:00、夜になりました。"},
        {AlertKind::At, 720, 60'000, "ゲーム内 12:00",
         "実時間であと約1分でゲーム内は12:00になります。"},
        {AlertKind::At, 6 * 60 + 5, 30'000, "ゲーム内 06:05",
         "実時間であと約30秒でゲーム内は06:05になります。"},
        {AlertKind::At, 21 * 60 + 30, 0, "ゲーム内 21:30", "ゲーム内は21:30になりました。"},
        {AlertKind::At, 0, 5'400'000, "ゲーム内 00:00",
         "実時間であと約90分でゲーム内は00:00になります。"},
    };
    for (const auto& c : cases) {
        const AlertDue due{0, {{c.kind, c.gameMinute}, 0, 0}, c.msAway};
        const BalloonText balloon = AlertBalloon(due);
        EXPECT_EQ(Cp932ToUtf8(balloon.title), c.title) << c.msAway;
        EXPECT_EQ(Cp932ToUtf8(balloon.text), c.text) << c.msAway;
    }
}

TEST(SavedBalloon, NamesTheFilesWithoutTheirFolder) {
    const SavedScreenshot jpegOnly{"C:\\Shots", "vlt_20261211_001500_0042", false};
    EXPECT_EQ(Cp932ToUtf8(SavedBalloon(jpegOnly).title), "スクリーンショットを保存しました");
    EXPECT_EQ(Cp932ToUtf8(SavedBalloon(jpegOnly).text),
              "vlt_20261211_001500_0042.jpg を保存しました。クリックするとフォルダーを開きます。");
    const SavedScreenshot both{"C:\\Shots", "a", true};
    EXPECT_EQ(Cp932ToUtf8(SavedBalloon(both).text),
              "a.bmp と a.jpg を保存しました。クリックするとフォルダーを開きます。");
}

TEST(WholeCharactersWithin, CutsBeforeADoubleByteCharacterThatWouldNotFit) {
    const struct {
        std::string_view text;
        std::size_t maxBytes;
        std::string_view kept;
    } cases[] = {
        {"abc", 5, "abc"},
        {"abc", 2, "ab"},
        {"a\x82\xA0", 2, "a"},  // the lead byte alone would not fit whole
        {"a\x82\xA0", 3, "a\x82\xA0"},
        {"\x82\xA0\x82\xA2", 3, "\x82\xA0"},
        {"a\x82", 5, "a\x82"},    // a lone lead byte at the end is kept as one
        {"\xB1\xB2", 1, "\xB1"},  // half-width katakana are single bytes
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeCharactersWithin(c.text, c.maxBytes), c.kept) << c.maxBytes;
    }
}

}  // namespace
}  // namespace vc
