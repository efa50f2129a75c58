#include "settings/alarm_times.h"

#include <gtest/gtest.h>

#include <vector>

namespace vc {
namespace {

TEST(AlarmTimes, EachEntryIsTakenOrIgnoredOnItsOwn) {
    const struct {
        const char* text;
        const char* taken;  // as written back
        std::vector<IgnoredAlarmTime> ignored;
    } cases[] = {
        {"", "", {}},
        {"06:00,12:00,21:30", "06:00,12:00,21:30", {}},
        {" 7:05 ,\t23:59", "07:05,23:59", {}},
        {"00:00", "00:00", {}},
        {"24:00,12:00", "12:00", {{"24:00", "not a time of the day (00:00 to 23:59)"}}},
        {"12:60", "", {{"12:60", "not a time of the day (00:00 to 23:59)"}}},
        {"7,noon,12:5,123:00,12.00,-1:00,+1:00",
         "",
         {{"7", "not a time HH:MM"},
          {"noon", "not a time HH:MM"},
          {"12:5", "not a time HH:MM"},
          {"123:00", "not a time HH:MM"},
          {"12.00", "not a time HH:MM"},
          {"-1:00", "not a time HH:MM"},
          {"+1:00", "not a time HH:MM"}}},
        {"06:00,,12:00,", "06:00,12:00", {{"", "an empty item"}, {"", "an empty item"}}},
        {"12:00,12:00,6:00,06:00",
         "12:00,06:00",
         {{"12:00", "listed already"}, {"06:00", "listed already"}}},
        {"00:01,00:02,00:03,00:04,bad,00:05,00:06,00:07,00:08,00:09,00:01",
         "00:01,00:02,00:03,00:04,00:05,00:06,00:07,00:08",
         {{"bad", "not a time HH:MM"},
          {"00:09", "more than 8 times"},
          {"00:01", "listed already"}}},
    };
    for (const auto& c : cases) {
        const AlarmTimesRead read = ReadAlarmTimes(c.text);
        EXPECT_EQ(WriteAlarmTimes(read.taken), c.taken) << c.text;
        EXPECT_EQ(read.ignored, c.ignored) << c.text;
    }
}

TEST(AlarmTimes, AreMinutesOfTheDay) {
    EXPECT_EQ(ReadAlarmTimes("06:00,23:59,0:00").taken.minutes,
              (std::vector<std::int32_t>{360, 1439, 0}));
}

}  // namespace
}  // namespace vc
