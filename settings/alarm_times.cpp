#include "settings/alarm_times.h"

#include <algorithm>
#include <optional>

namespace vc {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct Clock {
    int hour;
    int minute;
};

// "H:MM" or "HH:MM", digits only; the range is checked apart, to say which fault it is.
std::optional<Clock> ParseClock(std::string_view entry) {
    const std::size_t colon = entry.find(':');
    if (colon != 1 && colon != 2) {
        return std::nullopt;
    }
    const std::string_view hour = entry.substr(0, colon);
    const std::string_view minute = entry.substr(colon + 1);
    if (minute.size() != 2 || !std::all_of(hour.begin(), hour.end(), IsDigit) ||
        !std::all_of(minute.begin(), minute.end(), IsDigit)) {
        return std::nullopt;
    }
    const auto number = [](std::string_view digits) {
        int value = 0;
        for (char c : digits) {
            value = value * 10 + (c - '0');
        }
        return value;
    };
    return Clock{number(hour), number(minute)};
}

// Why the entry is not taken, or nothing when it is.
std::optional<std::string> FaultOf(std::string_view entry, const std::optional<Clock>& clock,
                                   const GameTimesOfDay& taken) {
    if (entry.empty()) {
        return "an empty item";
    }
    if (!clock) {
        return "not a time HH:MM";
    }
    if (clock->hour > 23 || clock->minute > 59) {
        return "not a time of the day (00:00 to 23:59)";
    }
    const std::int32_t minutes = clock->hour * 60 + clock->minute;
    if (std::find(taken.minutes.begin(), taken.minutes.end(), minutes) != taken.minutes.end()) {
        return "listed already";
    }
    if (taken.minutes.size() == kMaxAlarmTimes) {
        return "more than " + std::to_string(kMaxAlarmTimes) + " times";
    }
    return std::nullopt;
}

}  // namespace

AlarmTimesRead ReadAlarmTimes(std::string_view text) {
    AlarmTimesRead read;
    if (Trimmed(text).empty()) {
        return read;
    }
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::string_view entry = Trimmed(text.substr(from, comma - from));
        const std::optional<Clock> clock = ParseClock(entry);
        if (auto fault = FaultOf(entry, clock, read.taken)) {
            read.ignored.push_back({std::string(entry), std::move(*fault)});
        } else {
            read.taken.minutes.push_back(clock->hour * 60 + clock->minute);
        }
        from = comma + 1;
    }
    return read;
}

std::string FormatGameMinute(std::int32_t minuteOfDay) {
    const auto two = [](int value) {
        return std::string{static_cast<char>('0' + value / 10),
                           static_cast<char>('0' + value % 10)};
    };
    return two(minuteOfDay / 60) + ":" + two(minuteOfDay % 60);
}

std::string WriteAlarmTimes(const GameTimesOfDay& times) {
    std::string text;
    for (const std::int32_t minutes : times.minutes) {
        text += (text.empty() ? "" : ",") + FormatGameMinute(minutes);
    }
    return text;
}

}  // namespace vc
