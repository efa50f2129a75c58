// A game-clock tick in which no second changed: calendar, night test and the line
// rebuild's comparison. Budget: no heap allocation, well under 100 ns.
#include <benchmark/benchmark.h>

#include "bench/allocation_count.h"
#include "clock/game_time.h"
#include "tests/support/scripted_strip.h"
#include "window/second_watch.h"

namespace {

vc::SystemTime LocalAt(int ms) {
    vc::SystemTime t;
    t.wYear = 2026;
    t.wMonth = 12;
    t.wDay = 10;
    t.wHour = static_cast<std::uint16_t>(9 + ms / 3'600'000);
    t.wMinute = static_cast<std::uint16_t>((ms / 60'000) % 60);
    t.wSecond = static_cast<std::uint16_t>((ms / 1'000) % 60);
    t.wMilliseconds = static_cast<std::uint16_t>(ms % 1'000);
    return t;
}

void QuietTick(benchmark::State& state) {
    // One game second lasts 125 real ms: ticks within it change nothing.
    vc::SecondWatch lastSecond;
    const vc::SystemTime local = LocalAt(4'000'000);
    lastSecond.Changed(vc::CalcGameTime(local).Second);
    const long before = vc::bench::AllocationCount();
    for (auto _ : state) {
        const vc::GameTime now = vc::CalcGameTime(local);
        benchmark::DoNotOptimize(vc::IsGameNight(now));
        benchmark::DoNotOptimize(lastSecond.Changed(now.Second));
    }
    state.counters["allocations"] = static_cast<double>(vc::bench::AllocationCount() - before);
}
BENCHMARK(QuietTick);

void CalendarAndNight(benchmark::State& state) {
    int ms = 0;
    for (auto _ : state) {
        const vc::GameTime now = vc::CalcGameTime(LocalAt(ms));
        benchmark::DoNotOptimize(vc::IsGameNight(now));
        ms = (ms + 7'919) % vc::kMsPerBlock;
    }
}
BENCHMARK(CalendarAndNight);

// The clock window's whole game-clock tick, when the game second has not changed.
void WindowTickWithoutChange(benchmark::State& state) {
    vc::ScriptedStrip strip(LocalAt(4'000'000));
    vc::TFormVT555& form = strip.Form();
    form.TimerVT->OnTimer(form.TimerVT);
    const long before = vc::bench::AllocationCount();
    for (auto _ : state) {
        form.TimerVT->OnTimer(form.TimerVT);
    }
    state.counters["allocations"] = static_cast<double>(vc::bench::AllocationCount() - before);
}
BENCHMARK(WindowTickWithoutChange);

}  // namespace
