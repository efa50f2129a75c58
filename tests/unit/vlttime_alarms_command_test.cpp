#include "app/vlttime/alarms_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/vlttime/run.h"
#include "framework/seam/local_clock.h"
#include "tests/support/local_time_fixture.h"
#include "tests/support/scratch_folder.h"

namespace vc::vlttime {
namespace {

class NoSleeper final : public Sleeper {
  public:
    void SleepMs(int) override {}
};

class AlarmsCommand : public testing::Test {
  protected:
    int Run(std::vector<std::string_view> args) {
        args.insert(args.begin(), "alarms");
        // The clock's own "now": 2026-03-01 03:50:00.
        const SetClock clock(test::Local(3, 1, 3, 50, 0, 0, 0, 2026));
        NoSleeper sleeper;
        return vlttime::Run(args, {clock, sleeper, out, err, [] { return true; }});
    }
    std::string Write(const std::string& text) {
        std::ofstream(path) << text;
        return path;
    }

    test::ScratchFolder scratch;
    const std::string path = (scratch.path / "clock.ini").string();
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(AlarmsCommand, ListsTheNextOccurrencesSoonestFirstWithTheirTelling) {
    Write("[Alert]\r\nDusk=1\r\nAt=21:30,12:00,19:00,25:00\r\nLead=90\r\n");
    EXPECT_EQ(Run({path}), kExitOk);
    EXPECT_EQ(out.str(),
              "alarm 12:00: 2026-03-01 04:30:24.000 (in 0:40:24.000), told 2026-03-01 "
              "04:28:54.000 (in 0:38:54.000)\n"
              "dusk 19:00: 2026-03-01 05:22:54.000 (in 1:32:54.000), told 2026-03-01 "
              "05:21:24.000 (in 1:31:24.000)\n"
              "alarm 21:30: 2026-03-01 05:41:39.000 (in 1:51:39.000), told 2026-03-01 "
              "05:40:09.000 (in 1:50:09.000)\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(AlarmsCommand, AtAMomentInsideTheLeadTheTellingIsPastAndJsonHasNumbers) {
    Write("[Alert]\r\nAt=12:00\r\nLead=60\r\n");
    EXPECT_EQ(Run({"--json", path, "--at", "2026-03-01 04:29:54"}), kExitOk);
    EXPECT_EQ(out.str(),
              "{\"kind\":\"alarm\",\"game_time\":\"12:00\",\"at\":\"2026-03-01 04:30:24.000\","
              "\"ms_away\":30000,\"told\":\"2026-03-01 04:29:24.000\",\"ms_to_told\":-30000}\n");
    out.str("");
    EXPECT_EQ(Run({path, "--at=2026-03-01 04:29:54"}), kExitOk);
    EXPECT_EQ(out.str(),
              "alarm 12:00: 2026-03-01 04:30:24.000 (in 0:00:30.000), told 2026-03-01 "
              "04:29:24.000 (0:00:30.000 ago)\n");
}

TEST_F(AlarmsCommand, SaysWhenNothingIsSwitchedOn) {
    Write("[Alert]\r\nDusk=0\r\nAt=24:00\r\n");
    EXPECT_EQ(Run({path}), kExitOk);
    EXPECT_EQ(out.str(), "# no alert is switched on in " + path + "\n");
    out.str("");
    EXPECT_EQ(Run({path, "--json"}), kExitOk);
    EXPECT_EQ(out.str(), "");
    std::filesystem::remove(path);
    out.str("");
    EXPECT_EQ(Run({path}), kExitOk);
    EXPECT_EQ(out.str(), "# " + path + " does not exist: every key takes its default\n" +
                             "# no alert is switched on in " + path + "\n");
}

TEST_F(AlarmsCommand, RefusesBadArgumentsInOneLine) {
    const std::string folder = scratch.path.string();
    const struct {
        std::vector<std::string_view> args;
        const char* error;
    } cases[] = {
        {{},
         "vlttime: alarms: no settings file; expected \"vlttime alarms FILE.ini [--at "
         "\\\"YYYY-MM-DD hh:mm:ss[.mmm]\\\"] [--json]\"\n"},
        {{"a.ini", "b.ini"},
         "vlttime: alarms: \"b.ini\": expected \"vlttime alarms FILE.ini "
         "[--at \\\"YYYY-MM-DD hh:mm:ss[.mmm]\\\"] [--json]\"\n"},
        {{"a.ini", "--at", "noon"},
         "vlttime: alarms: --at: \"noon\": expected one time \"YYYY-MM-DD hh:mm:ss[.mmm]\"\n"},
        {{"a.ini", "--at"},
         "vlttime: alarms: --at: missing value: expected one time \"YYYY-MM-DD "
         "hh:mm:ss[.mmm]\"\n"},
        {{folder}, nullptr},
    };
    for (const auto& c : cases) {
        err.str("");
        EXPECT_EQ(Run(c.args), kExitUsage);
        if (c.error != nullptr) {
            EXPECT_EQ(err.str(), c.error);
        } else {
            EXPECT_EQ(err.str(),
                      "vlttime: alarms: cannot read " + folder + " as a settings file\n");
        }
    }
}

}  // namespace
}  // namespace vc::vlttime
