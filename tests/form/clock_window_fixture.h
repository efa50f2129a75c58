#pragma once
#include <gtest/gtest.h>

#include "app/vlttime/strip_render.h"
#include "tests/unit/local_time_fixture.h"

namespace vc::test {

// The clock window on the scripted desktop, started at a local time.
class ClockWindow : public testing::Test {
  protected:
    explicit ClockWindow(SystemTime start = Local(3, 1, 0, 0, 0, 0, 0)) : strip(start) {}

    TFormVT555& Form() { return strip.Form(); }
    void TickGameClock() { strip.System().FireTimers(1); }
    void TickRealClock() { strip.System().FireTimers(100); }

    HeadlessStrip strip;
};

}  // namespace vc::test
