#include "window/balloon_texts.h"

#include "framework/text_format.h"
#include "framework/texts.h"

namespace vc {

namespace {

// One alert kind's texts: its title, and the three ways of saying how far away it is.
struct AlertWording {
    std::string (*title)(int hour, int minute);
    std::string (*inMinutes)(int minutes, int hour, int minute);
    std::string (*inSeconds)(int seconds, int hour, int minute);
    std::string (*reached)(int hour, int minute);
};

// Dusk and dawn name their own time; an alarm says the time it was set for.
template <const texts::Text& title, const texts::Text& inMinutes, const texts::Text& inSeconds,
          const texts::Text& reached>
constexpr AlertWording PhaseWording() {
    return {[](int, int) { return std::string(title.cp932); },
            [](int minutes, int, int) { return Printf<inMinutes>(minutes); },
            [](int seconds, int, int) { return Printf<inSeconds>(seconds); },
            [](int, int) { return std::string(reached.cp932); }};
}

constexpr AlertWording kAlarmWording{
    [](int hour, int minute) { return Printf<texts::kAlarmTitleFormat>(hour, minute); },
    [](int minutes, int hour, int minute) {
        return Printf<texts::kAlarmInMinutesFormat>(minutes, hour, minute);
    },
    [](int seconds, int hour, int minute) {
        return Printf<texts::kAlarmInSecondsFormat>(seconds, hour, minute);
    },
    [](int hour, int minute) { return Printf<texts::kAlarmReachedFormat>(hour, minute); }};

const AlertWording& WordingOf(AlertKind kind) {
    using namespace texts;
    static constexpr AlertWording kDusk =
        PhaseWording<kDuskTitle, kDuskInMinutesFormat, kDuskInSecondsFormat, kDuskReached>();
    static constexpr AlertWording kDawn =
        PhaseWording<kDawnTitle, kDawnInMinutesFormat, kDawnInSecondsFormat, kDawnReached>();
    switch (kind) {
        case AlertKind::Dusk:
            return kDusk;
        case AlertKind::Dawn:
            return kDawn;
        case AlertKind::At:
            break;
    }
    return kAlarmWording;
}

}  // namespace

BalloonText AlertBalloon(const AlertDue& due) {
    const AlertWording& wording = WordingOf(due.occurrence.target.kind);
    const int hour = due.occurrence.target.gameMinuteOfDay / 60;
    const int minute = due.occurrence.target.gameMinuteOfDay % 60;
    BalloonText balloon{wording.title(hour, minute), ""};
    if (due.msAway < 500) {
        balloon.text = wording.reached(hour, minute);
        return balloon;
    }
    const int seconds = static_cast<int>((due.msAway + 500) / 1'000);
    if (seconds < 60) {
        balloon.text = wording.inSeconds(seconds, hour, minute);
        return balloon;
    }
    balloon.text = wording.inMinutes((seconds + 30) / 60, hour, minute);
    return balloon;
}

BalloonText SavedBalloon(const SavedScreenshot& saved) {
    const std::string jpeg = saved.JpegName();
    std::string text = saved.bmp
                           ? Printf<texts::kShotsSavedFormat>(saved.BmpName().c_str(), jpeg.c_str())
                           : Printf<texts::kShotSavedFormat>(jpeg.c_str());
    return BalloonText{std::string(texts::kShotSavedTitle.cp932), std::move(text)};
}

}  // namespace vc
