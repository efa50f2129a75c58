#include "clock/alert_blink.h"

#include <algorithm>

namespace vc {

void AlertBlink::Told(std::size_t slot, const AlertOccurrence& occurrence) {
    const std::int64_t leadMs = occurrence.atMs - occurrence.toldMs;
    if (leadMs <= 0) {
        spans_.at(slot) = {occurrence.atMs, occurrence.atMs + kAfterMs};
        return;
    }
    spans_.at(slot) = {occurrence.atMs - std::min(leadMs, kLongestBeforeMs), occurrence.atMs};
}

bool AlertBlink::ShowsDown(std::int64_t nowMs) const {
    const bool blinking = std::any_of(spans_.begin(), spans_.end(), [nowMs](const Span& span) {
        return span.from <= nowMs && nowMs < span.until;
    });
    return blinking && nowMs / kHalfMs % 2 == 1;
}

void AlertBlink::EndPending(std::int64_t nowMs) {
    for (Span& span : spans_) {
        if (nowMs < span.until) {
            span.until = span.from;
        }
    }
}

}  // namespace vc
