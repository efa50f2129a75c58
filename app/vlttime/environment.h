#pragma once
#include <functional>
#include <ostream>

#include "framework/seam/local_clock.h"

namespace vc::vlttime {

class Sleeper {
  public:
    virtual ~Sleeper() = default;
    // May return early, e.g. when a signal arrives.
    virtual void SleepMs(int ms) = 0;
};

// Everything the program reaches outside itself, so that tests can script all of it.
struct Environment {
    const LocalClock& clock;
    Sleeper& sleeper;
    std::ostream& out;
    std::ostream& err;
    std::function<bool()> stopRequested;
};

}  // namespace vc::vlttime
