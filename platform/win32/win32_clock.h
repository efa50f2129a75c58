#pragma once
#include "framework/seam/local_clock.h"

namespace vc {

class Win32LocalClock final : public LocalClock {
  public:
    SystemTime Now() const override;
};

}  // namespace vc
