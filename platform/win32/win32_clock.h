#pragma once
#include "framework/platform.h"

namespace vc {

class Win32LocalClock final : public LocalClock {
  public:
    SystemTime Now() const override;
};

}  // namespace vc
