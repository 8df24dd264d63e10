#include "story_screens/play_clock.h"

#include <algorithm>
#include <limits>

namespace corvellane {

namespace {

int32_t SaturatedSum(int64_t a, int64_t b) {
  return static_cast<int32_t>(std::clamp<int64_t>(a + b, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

void TPlayClock::Start(bool timed, int32_t clock_ms) {
  timed_ = timed;
  clock_ = clock_ms;
  pending_ = 0;
  skip_step_ = true;
}

TClockStep TPlayClock::Step(int32_t ms) {
  TClockStep step;
  ms = std::max(ms, 0);
  if (pending_ > 0 || ms >= kMaxClockStepMs) {
    pending_ = SaturatedSum(pending_, ms);
    step.clock_step = std::min(pending_, kMaxClockStepMs);
    pending_ -= step.clock_step;
  } else {
    step.clock_step = step.frame_time = ms;
  }
  if (skip_step_) {
    skip_step_ = false;
    step.clock_step = 0;
    return step;
  }
  if (!timed_) {
    clock_ = SaturatedSum(clock_, step.clock_step);
  } else if (clock_ > 0) {
    clock_ = SaturatedSum(clock_, -int64_t{step.clock_step});
  } else {
    step.ran_out = true;
  }
  return step;
}

int32_t TPlayClock::Settled() const {
  if (!timed_) return SaturatedSum(clock_, pending_);
  return std::max(0, SaturatedSum(clock_, -int64_t{pending_}));
}

int64_t TPlayClock::UsedMs(int64_t given_ms) const {
  if (!timed_) return std::max(0, Settled());
  return std::max<int64_t>(0, given_ms - Settled());
}

}  // namespace corvellane
