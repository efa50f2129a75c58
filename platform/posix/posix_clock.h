#pragma once
#include "framework/platform.h"

namespace vc {

class PosixLocalClock final : public LocalClock {
  public:
    SystemTime Now() const override;
};

}  // namespace vc
