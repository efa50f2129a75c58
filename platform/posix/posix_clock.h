#pragma once
#include "framework/seam/local_clock.h"

namespace vc {

class PosixLocalClock final : public LocalClock {
  public:
    SystemTime Now() const override;
};

}  // namespace vc
