#include "engine/platform/frame_clock.h"

#include <algorithm>

namespace corvellane {

uint32_t TFrameClock::TimeUntilDue(uint32_t now) const {
  uint32_t elapsed = now - last_;
  return elapsed >= period_ ? 0 : period_ - elapsed;
}

uint32_t TFrameClock::Take(uint32_t now) {
  uint32_t step = now - last_;
  last_ = now;
  return std::min(step, max_step_);
}

}  // namespace corvellane
