#include "particles/emission_clock.h"

#include <algorithm>

#include "particles/particle_math.h"
#include "widgets/abstract_widget.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

void MoveClock(TAbstractWidget& widget, int64_t ms) {
  const int64_t moved = std::clamp<int64_t>(ms, INT32_MIN, INT32_MAX);
  widget.SetCurrentTime(SaturatingAdd(widget.GetCurrentTime(), static_cast<int32_t>(moved)));
}

}  // namespace

void TEmissionClock::Advance(TAbstractWidget& widget, int32_t elapsed_ms,
                             const std::function<void(int32_t)>& emit) {
  const int32_t ms = std::max(elapsed_ms, 0);
  if (step_ < 1) {
    emit(std::min(ms, kMaxEmissionSpanMs));
    return;
  }
  accumulated_ += ms;
  if (accumulated_ < step_) return;
  MoveClock(widget, -int64_t{ms});
  // Whole steps beyond the emission span pass at once, without emitting.
  const int64_t due = accumulated_ / step_;
  const int64_t emitted = std::max<int64_t>(1, kMaxEmissionSpanMs / step_);
  if (due > emitted) {
    const int64_t skipped = (due - emitted) * step_;
    MoveClock(widget, skipped);
    accumulated_ -= skipped;
  }
  while (accumulated_ >= step_) {
    MoveClock(widget, step_);
    accumulated_ -= step_;
    emit(step_);
  }
}

}  // namespace corvellane
