#pragma once
#include "framework/system_time.h"

namespace vc {

// The seam: everything the behaviour needs from the operating system is reached through
// interfaces like these, so that it can run against a scripted desktop in tests.

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual SystemTime Now() const = 0;
};

}  // namespace vc
