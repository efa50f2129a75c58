// The clock window on the scripted desktop for a long run: a million game-clock ticks with
// the local time moving on, and ten thousand Ctrl+P screenshots. Under the native build's
// AddressSanitizer a leak fails the process at its exit.
//   vc_soak_native [--ticks=N] [--shots=N] [gtest options]
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "bench/allocation_count.h"
#include "clock/game_time.h"
#include "framework/game_client.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/screenshot_support.h"
#include "tests/support/scripted_strip.h"

namespace vc {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

long ticksWanted = 1'000'000;
long shotsWanted = 10'000;

// Late on a month's last day: a million ticks of 16 ms (four and a half hours) cross
// midnight and the month's end.
const std::chrono::sys_days kStartDay = std::chrono::year_month_day{
    std::chrono::year{2026}, std::chrono::February, std::chrono::day{28}};
constexpr milliseconds kStartOfDay = std::chrono::hours(22) + std::chrono::minutes(30);

// The local time this far into the run.
SystemTime LocalAfter(milliseconds elapsed) {
    const std::chrono::sys_time<milliseconds> at = kStartDay + kStartOfDay + elapsed;
    const auto day = std::chrono::floor<std::chrono::days>(at);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss<milliseconds> time{at - day};
    SystemTime t;
    t.wYear = static_cast<std::uint16_t>(static_cast<int>(date.year()));
    t.wMonth = static_cast<std::uint16_t>(static_cast<unsigned>(date.month()));
    t.wDay = static_cast<std::uint16_t>(static_cast<unsigned>(date.day()));
    t.wDayOfWeek = static_cast<std::uint16_t>(std::chrono::weekday{day}.c_encoding());
    t.wHour = static_cast<std::uint16_t>(time.hours().count());
    t.wMinute = static_cast<std::uint16_t>(time.minutes().count());
    t.wSecond = static_cast<std::uint16_t>(time.seconds().count());
    t.wMilliseconds = static_cast<std::uint16_t>(time.subseconds().count());
    return t;
}

// The way a window-system timer reaches the form: through the timer's dispatch.
void Fire(ScriptedStrip& strip, TTimer& timer) {
    strip.Application().Dispatch([&timer] { timer.OnTimer(&timer); });
}

// Allocations made by one call.
template <typename F>
long AllocationsIn(F&& run) {
    const long before = bench::AllocationCount();
    run();
    return bench::AllocationCount() - before;
}

void WriteSettings(const test::ScratchFolder& scratch, const std::string& text) {
    std::ofstream(scratch.path / "VeltriaClock.ini", std::ios::binary) << text;
}

// Ticks come as Windows' timers give them, every 16 ms. A tick is quiet when the second it
// watches has not changed since the last one: it then rebuilds nothing.
// The dusk, dawn and alarm-time alerts are on: a tick that shows a balloon is not quiet; one
// that turns the button's blink is. Game 12:00, 12:10 and 12:20 come 24 s, 99 s and 174 s in.
TEST(Soak, QuietTicksAllocateNothing) {
    test::ScratchFolder scratch;
    WriteSettings(scratch, "[Alert]\r\nDusk=1\r\nDawn=1\r\nLead=3000\r\nAt=12:00,12:10,12:20\r\n");
    ScriptedStrip strip(LocalAfter(milliseconds(0)), (scratch.path / "VeltriaClock.exe").string(),
                        scratch.path.string());
    TFormVT555& form = strip.Form();
    const auto& balloons = strip.System().tray.balloons;
    strip.Choose(form.Popup_BGColor);
    constexpr milliseconds kStep(16);
    const std::string firstLine = form.Label_VTime->Caption();
    long quiet = 0, quietAllocations = 0, realQuiet = 0, realQuietAllocations = 0;
    long hotkeyAllocations = 0, nights = 0, toggles = 0, blinkTurns = 0;
    // None before the first tick: the form has seen no second yet and builds its lines then.
    int lastGameSecond = -1;
    int lastRealSecond = -1;
    bool lastNight = IsGameNight(CalcGameTime(strip.Clock().Now()));
    for (long i = 1; i <= ticksWanted; ++i) {
        const milliseconds elapsed = kStep * i;
        strip.Clock().Set(LocalAfter(elapsed));
        const GameTime game = CalcGameTime(strip.Clock().Now());
        const std::size_t balloonsBefore = balloons.size();
        const Bitmap& button = form.ImageX->Picture();
        const bool downBefore = button == form.Image_BtnDown->Picture();
        const long made = AllocationsIn([&] { Fire(strip, *form.TimerVT); });
        blinkTurns += (button == form.Image_BtnDown->Picture()) != downBefore ? 1 : 0;
        if (game.Second == lastGameSecond && balloons.size() == balloonsBefore) {
            ++quiet;
            quietAllocations += made;
        }
        lastGameSecond = game.Second;
        nights += IsGameNight(game) && !lastNight ? 1 : 0;
        lastNight = IsGameNight(game);
        hotkeyAllocations += AllocationsIn([&] { Fire(strip, *form.Timer1); });
        if (elapsed % 100 < kStep) {
            const int second = strip.Clock().Now().wSecond;
            const long realMade = AllocationsIn([&] { Fire(strip, *form.TimerRT); });
            if (second == lastRealSecond) {
                ++realQuiet;
                realQuietAllocations += realMade;
            }
            lastRealSecond = second;
        }
        // Ten times in the run the real time shown or hidden, as from the menu.
        if (i % std::max(1L, ticksWanted / 10) == 0) {
            strip.Choose(form.Popup_ShowRTime);
            ++toggles;
        }
    }
    std::printf(
        "game-clock ticks: %ld (%ld quiet, %ld nights begun, %zu alerts, %ld blink turns), "
        "allocations in quiet ticks: %ld\n"
        "real-clock quiet ticks: %ld, allocations in them: %ld\n"
        "hotkey polls without a key: %ld, allocations in them: %ld\n"
        "real time shown or hidden %ld times; local time at the end %04d-%02d-%02d "
        "%02d:%02d:%02d\n",
        ticksWanted, quiet, nights, balloons.size(), blinkTurns, quietAllocations, realQuiet,
        realQuietAllocations, ticksWanted, hotkeyAllocations, toggles, strip.Clock().Now().wYear,
        strip.Clock().Now().wMonth, strip.Clock().Now().wDay, strip.Clock().Now().wHour,
        strip.Clock().Now().wMinute, strip.Clock().Now().wSecond);
    EXPECT_GT(quiet, ticksWanted / 2);
    EXPECT_GE(balloons.size(), 3u) << "the alarm times come in under 200 s";
    EXPECT_GT(blinkTurns, 100) << "the button blinks before each of them";
    EXPECT_EQ(quietAllocations, 0);
    EXPECT_EQ(realQuietAllocations, 0);
    EXPECT_EQ(hotkeyAllocations, 0);
    EXPECT_NE(form.Label_VTime->Caption(), firstLine) << "the game line stood still";
    EXPECT_TRUE(strip.System().errorBoxes.empty());
}

// Each press of Ctrl+P in front of the game gives its file, the BMP too on every other
// press; the files are removed as they come, so that the disk stays small.
TEST(Soak, EveryScreenshotWritesItsFiles) {
    test::ScratchFolder scratch;
    WriteSettings(scratch, "[ScreenShot]\r\nNotice=1\r\n");
    ScriptedStrip strip(LocalAfter(milliseconds(0)), (scratch.path / "VeltriaClock.exe").string(),
                        scratch.path.string());
    TFormVT555& form = strip.Form();
    ScriptedDesktop& desktop = strip.System().scripted;
    const WindowId game = desktop.OpenWindow(kGameWindowClass, test::ColourBars(320, 240));
    desktop.foreground = game;
    form.Popup_SS->SetChecked(true);
    milliseconds elapsed(0);
    const auto poll = [&] {
        elapsed += milliseconds(10);
        strip.Clock().Set(LocalAfter(elapsed));
        Fire(strip, *form.Timer1);
    };
    long jpegs = 0, bmps = 0, missing = 0;
    for (long i = 0; i < shotsWanted; ++i) {
        form.Put(SettingKey::Bmp, i % 2 == 1);
        desktop.Press(Key::Control);
        desktop.Press(Key::P);
        poll();
        desktop.Release(Key::P);
        desktop.Release(Key::Control);
        poll();
        bool jpeg = false, bmp = false;
        for (const std::string& name : scratch.Names()) {
            const fs::path file = scratch.File(name);
            if (file.extension() == ".jpg" && fs::file_size(file) > 0) {
                jpeg = true;
            } else if (file.extension() == ".bmp" && fs::file_size(file) == 54 + 4 * 320 * 240) {
                bmp = true;
            }
            fs::remove(file);
        }
        jpegs += jpeg ? 1 : 0;
        bmps += bmp ? 1 : 0;
        missing += (jpeg && bmp == strip.Setting<bool>(SettingKey::Bmp)) ? 0 : 1;
    }
    std::printf(
        "screenshots: %ld presses, %ld captures, %ld JPEG and %ld BMP files, %ld "
        "presses without their files, %d captures still alive\n",
        shotsWanted, static_cast<long>(desktop.capturesMade), jpegs, bmps, missing,
        desktop.capturesAlive);
    EXPECT_EQ(desktop.capturesMade, shotsWanted);
    EXPECT_EQ(jpegs, shotsWanted);
    EXPECT_EQ(bmps, shotsWanted / 2);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(strip.System().tray.balloons.size(), static_cast<std::size_t>(shotsWanted));
    EXPECT_EQ(desktop.capturesAlive, 0);
    EXPECT_TRUE(strip.System().errorBoxes.empty());
}

bool CountOption(std::string_view argument, std::string_view name, long& count) {
    if (!argument.starts_with(name)) {
        return false;
    }
    count = std::strtol(argument.substr(name.size()).data(), nullptr, 10);
    return true;
}

}  // namespace
}  // namespace vc

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (!vc::CountOption(argv[i], "--ticks=", vc::ticksWanted) &&
            !vc::CountOption(argv[i], "--shots=", vc::shotsWanted)) {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}
