#pragma once
#include <string>

#include "clock/game_alerts.h"
#include "screenshot/take_screenshot.h"

namespace vc {

// A balloon's title and text, CP932.
struct BalloonText {
    std::string title;
    std::string text;

    friend bool operator==(const BalloonText&, const BalloonText&) = default;
};

// How far away the dusk, dawn or alarm time is, in whole minutes from a minute on and in
// seconds below it; an occurrence less than half a second away counts as reached.
BalloonText AlertBalloon(const AlertDue& due);

// The saved files by name, the folder left out: a click on the balloon opens it.
BalloonText SavedBalloon(const SavedScreenshot& saved);

}  // namespace vc
