#pragma once
#include <array>
#include <string_view>

// Every user-visible text of the program, as the CP932 bytes the program uses, with the
// decoded form beside it. A unit test decodes each one and compares.
namespace vc::texts {

struct Text {
    std::string_view cp932;
    std::string_view decoded;  // UTF-8
};

// printf formats; the game year is fixed.
inline constexpr Text kGameDateFormat{"555\x94\x4E%.2d\x8C\x8E%.3d\x93\xFA ", "555年%.2d月%.3d日 "};
inline constexpr Text kRealDateFormat{"%.2d\x8C\x8E%.2d\x93\xFA(", "%.2d月%.2d日("};

// Indexed by wDayOfWeek, 0 = Sunday.
inline constexpr std::array<Text, 7> kWeekdays{{
    {"\x93\xFA", "日"},
    {"\x8C\x8E", "月"},
    {"\x89\xCE", "火"},
    {"\x90\x85", "水"},
    {"\x96\xD8", "木"},
    {"\x8B\xE0", "金"},
    {"\x93\x79", "土"},
}};

// The settings file could not be written; %s is its path.
inline constexpr Text kCannotWriteFormat{
    "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1", "%s に書き込めません"};

inline constexpr Text kWindowCaption{"VeltriaClock", "VeltriaClock"};

// Screenshot errors; %s is the full path of the file, %d the JPEG library's message code.
inline constexpr Text kCannotCreateFileFormat{
    "\x83\x74\x83\x40\x83\x43\x83\x8B %s "
    "\x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1",
    "ファイル %s を作成できません"};
inline constexpr Text kStreamWriteError{
    "\x83\x58\x83\x67\x83\x8A\x81\x5B\x83\x80\x82\xD6\x82\xCC\x8F\x91\x82\xAB\x8D\x9E\x82\xDD"
    "\x83\x47\x83\x89\x81\x5B",
    "ストリームへの書き込みエラー"};
inline constexpr Text kJpegErrorFormat{"JPEG \x83\x47\x83\x89\x81\x5B #%d", "JPEG エラー #%d"};
inline constexpr Text kOutOfResources{
    "\x83\x56\x83\x58\x83\x65\x83\x80 \x83\x8A\x83\x5C\x81\x5B\x83\x58\x82\xAA\x91\xAB\x82\xE8"
    "\x82\xDC\x82\xB9\x82\xF1",
    "システム リソースが足りません"};

// Balloons over the tray icon. A dusk or dawn ahead: %d is the real time left, in minutes or
// in seconds; once it is reached, the text says so.
inline constexpr Text kDuskTitle{"\x96\xE9\x82\xCC\x96\x4B\x82\xEA", "夜の訪れ"};
inline constexpr Text kDuskInMinutesFormat{
    "\x8E\xC0\x8E\x9E\x8A\xD4\x82\xC5\x82\xA0\x82\xC6\x96\xF1%d\x95\xAA\x82\xC5\x83\x51\x81\x5B"
    "\x83\x80\x93\xE0\x82\xCD"
    "19:00\x81\x41\x96\xE9\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB7\x81\x42",
    "実時間であと約%d分でゲーム内は19:00、夜になります。"};
inline constexpr Text kDuskInSecondsFormat{
    "\x8E\xC0\x8E\x9E\x8A\xD4\x82\xC5\x82\xA0\x82\xC6\x96\xF1%d\x95\x62\x82\xC5\x83\x51\x81\x5B"
    "\x83\x80\x93\xE0\x82\xCD"
    "19:00\x81\x41\x96\xE9\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB7\x81\x42",
    "実時間であと約%d秒でゲーム内は19:00、夜になります。"};
inline constexpr Text kDuskReached{
    "\x83\x51\x81\x5B\x83\x80\x93\xE0\x82\xCD"
    "19:00\x81\x41\x96\xE9\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB5\x82\xBD\x81\x42",
    "ゲーム内は19:00、夜になりました。"};
inline constexpr Text kDawnTitle{"\x92\xA9\x82\xCC\x96\x4B\x82\xEA", "朝の訪れ"};
inline constexpr Text kDawnInMinutesFormat{
    "\x8E\xC0\x8E\x9E\x8A\xD4\x82\xC5\x82\xA0\x82\xC6\x96\xF1%d\x95\xAA\x82\xC5\x83\x51\x81\x5B"
    "\x83\x80\x93\xE0\x82\xCD"
    "05:00\x81\x41\x92\xA9\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB7\x81\x42",
    "実時間であと約%d分でゲーム内は05:00、朝になります。"};
inline constexpr Text kDawnInSecondsFormat{
    "\x8E\xC0\x8E\x9E\x8A\xD4\x82\xC5\x82\xA0\x82\xC6\x96\xF1%d\x95\x62\x82\xC5\x83\x51\x81\x5B"
    "\x83\x80\x93\xE0\x82\xCD"
    "05:00\x81\x41\x92\xA9\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB7\x81\x42",
    "実時間であと約%d秒でゲーム内は05:00、朝になります。"};
inline constexpr Text kDawnReached{
    "\x83\x51\x81\x5B\x83\x80\x93\xE0\x82\xCD"
    "05:00\x81\x41\x92\xA9\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB5\x82\xBD\x81\x42",
    "ゲーム内は05:00、朝になりました。"};
// An alarm time ahead: the title and texts say the game time (%.2d:%.2d, hour and minute).
inline constexpr Text kAlarmTitleFormat{"\x83\x51\x81\x5B\x83\x80\x93\xE0 %.2d:%.2d",
                                        "ゲーム内 %.2d:%.2d"};
inline constexpr Text kAlarmInMinutesFormat{
    "\x8E\xC0\x8E\x9E\x8A\xD4\x82\xC5\x82\xA0\x82\xC6\x96\xF1%d\x95\xAA\x82\xC5\x83\x51\x81\x5B"
    "\x83\x80\x93\xE0\x82\xCD%.2d:%.2d\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB7\x81\x42",
    "実時間であと約%d分でゲーム内は%.2d:%.2dになります。"};
inline constexpr Text kAlarmInSecondsFormat{
    "\x8E\xC0\x8E\x9E\x8A\xD4\x82\xC5\x82\xA0\x82\xC6\x96\xF1%d\x95\x62\x82\xC5\x83\x51\x81\x5B"
    "\x83\x80\x93\xE0\x82\xCD%.2d:%.2d\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB7\x81\x42",
    "実時間であと約%d秒でゲーム内は%.2d:%.2dになります。"};
inline constexpr Text kAlarmReachedFormat{
    "\x83\x51\x81\x5B\x83\x80\x93\xE0\x82\xCD%.2d:%.2d\x82\xC9\x82\xC8\x82\xE8\x82\xDC\x82\xB5"
    "\x82\xBD\x81\x42",
    "ゲーム内は%.2d:%.2dになりました。"};

// A screenshot saved: %s are the file names, the JPEG's (after the BMP's when there is one).
inline constexpr Text kShotSavedTitle{
    "\x83\x58\x83\x4E\x83\x8A\x81\x5B\x83\x93\x83\x56\x83\x87\x83\x62\x83\x67\x82\xF0\x95\xDB"
    "\x91\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD",
    "スクリーンショットを保存しました"};
inline constexpr Text kShotSavedFormat{
    "%s \x82\xF0\x95\xDB\x91\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42\x83\x4E\x83\x8A\x83\x62"
    "\x83\x4E\x82\xB7\x82\xE9\x82\xC6\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xF0\x8A\x4A"
    "\x82\xAB\x82\xDC\x82\xB7\x81\x42",
    "%s を保存しました。クリックするとフォルダーを開きます。"};
inline constexpr Text kShotsSavedFormat{
    "%s \x82\xC6 %s "
    "\x82\xF0\x95\xDB\x91\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42\x83\x4E\x83\x8A"
    "\x83\x62\x83\x4E\x82\xB7\x82\xE9\x82\xC6\x83\x74\x83\x48\x83\x8B\x83\x5F\x81\x5B\x82\xF0"
    "\x8A\x4A\x82\xAB\x82\xDC\x82\xB7\x81\x42",
    "%s と %s を保存しました。クリックするとフォルダーを開きます。"};

// The captions, font names and menu texts of the window are in its stored layout.
inline constexpr std::array<const Text*, 30> kAll{
    &kGameDateFormat,       &kRealDateFormat,      &kWeekdays[0],       &kWeekdays[1],
    &kWeekdays[2],          &kWeekdays[3],         &kWeekdays[4],       &kWeekdays[5],
    &kWeekdays[6],          &kWindowCaption,       &kCannotWriteFormat, &kCannotCreateFileFormat,
    &kStreamWriteError,     &kJpegErrorFormat,     &kOutOfResources,    &kDuskTitle,
    &kDuskInMinutesFormat,  &kDuskInSecondsFormat, &kDuskReached,       &kDawnTitle,
    &kDawnInMinutesFormat,  &kDawnInSecondsFormat, &kDawnReached,       &kShotSavedTitle,
    &kShotSavedFormat,      &kShotsSavedFormat,    &kAlarmTitleFormat,  &kAlarmInMinutesFormat,
    &kAlarmInSecondsFormat, &kAlarmReachedFormat,
};

}  // namespace vc::texts
