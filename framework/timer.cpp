#include "framework/timer.h"

namespace vc {

void TTimer::Start() {
    if (!enabled_ || interval_ <= 0 || !OnTimer) {
        return;
    }
    handle_ = System().StartTimer(interval_, [this] { Dispatch([this] { OnTimer(this); }); });
}

bool TTimer::SetProperty(std::string_view name, const LayoutValue& value, LayoutContext& context) {
    if (name == "Interval") {
        interval_ = value.AsInt();
    } else if (name == "Enabled") {
        enabled_ = value.AsBool();
    } else if (name == "OnTimer") {
        OnTimer = context.NotifyHandler(value);
    } else {
        return TComponent::SetProperty(name, value, context);
    }
    return true;
}

}  // namespace vc
