#include "window/balloon_texts.h"

#include "framework/text_format.h"
#include "framework/texts.h"

namespace vc {

BalloonText PhaseBalloon(const PhaseAlertDue& due) {
    const bool dusk = due.phase == GamePhase::Dusk;
    BalloonText balloon{std::string(dusk ? texts::kDuskTitle.cp932 : texts::kDawnTitle.cp932), ""};
    if (due.msAway < 500) {
        balloon.text = dusk ? texts::kDuskReached.cp932 : texts::kDawnReached.cp932;
        return balloon;
    }
    const int seconds = static_cast<int>((due.msAway + 500) / 1'000);
    if (seconds < 60) {
        balloon.text = dusk ? Printf<texts::kDuskInSecondsFormat>(seconds)
                            : Printf<texts::kDawnInSecondsFormat>(seconds);
        return balloon;
    }
    const int minutes = (seconds + 30) / 60;
    balloon.text = dusk ? Printf<texts::kDuskInMinutesFormat>(minutes)
                        : Printf<texts::kDawnInMinutesFormat>(minutes);
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
