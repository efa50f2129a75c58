#pragma once
#include <memory>

#include "framework/component.h"
#include "framework/seam/window_system.h"

namespace vc {

// A periodic timer: runs OnTimer every Interval ms while enabled, from the moment its
// window exists (Start) until it is destroyed.
class TTimer : public TComponent {
  public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TTimer"; }

    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    bool Running() const { return handle_ != nullptr; }
    void Start();
    TNotifyEvent OnTimer;

    bool SetProperty(std::string_view name, const LayoutValue& value,
                     LayoutContext& context) override;

  private:
    int interval_ = 1000;
    bool enabled_ = true;
    std::unique_ptr<TimerHandle> handle_;
};

}  // namespace vc
