#include "clock/clock_lines.h"

#include "framework/text_format.h"
#include "framework/texts.h"

namespace vc {
namespace {

struct ShownHour {
    int hour;
    const char* marker;  // "am"/"pm" in 12-hour mode, empty in 24-hour mode
};

ShownHour ShowHour(int hour, bool hour24) {
    if (hour24) {
        return {hour, ""};
    }
    return hour >= 12 ? ShownHour{hour - 12, "pm"} : ShownHour{hour, "am"};
}

std::string FormatTime(const ShownHour& shown, int minute, int second) {
    return shown.marker + Printf("%.2d:%.2d:%.2d", shown.hour, minute, second);
}

}  // namespace

std::string FormatGameLine(const GameTime& time, bool hour24) {
    const ShownHour shown = ShowHour(time.Hour, hour24);
    std::string line = Printf<texts::kGameDateFormat>(time.Month, time.Day);
    if (hour24) {
        line += ' ';
    }
    return line + FormatTime(shown, time.Minute, time.Second);
}

std::string FormatRealLine(const SystemTime& local, bool hour24) {
    const ShownHour shown = ShowHour(local.wHour, hour24);
    std::string line = Printf<texts::kRealDateFormat>(local.wMonth, local.wDay);
    line += texts::kWeekdays.at(local.wDayOfWeek % 7).cp932;
    line += ") ";
    return line + FormatTime(shown, local.wMinute, local.wSecond);
}

}  // namespace vc
