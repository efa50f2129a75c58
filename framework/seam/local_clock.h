#pragma once
#include "framework/system_time.h"

namespace vc {

// The system's local date and time.
class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual SystemTime Now() const = 0;
};

// A clock that shows the moment it was set to: a picture of a given time, or a test.
class SetClock final : public LocalClock {
  public:
    explicit SetClock(const SystemTime& now = {}) : now_(now) {}
    SystemTime Now() const override { return now_; }
    void Set(const SystemTime& now) { now_ = now; }

  private:
    SystemTime now_;
};

}  // namespace vc
