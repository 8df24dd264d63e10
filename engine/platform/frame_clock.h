// frame_clock.h: frame pacing and the time step handed to the game.
//
// A frame is due when at least the frame period (8 ms) has passed since the
// previous one. The step given to the game is the real time since the
// previous frame, but never more than the maximum step (100 ms): after the
// machine was suspended, the process stopped in a debugger or the window
// dragged for a minute, the game advances by one ordinary-sized step instead
// of running its timers and animations minutes ahead in one frame.
//
// Times are the 32-bit millisecond clock; differences use unsigned
// arithmetic, so the clock may wrap around.
//
//   TFrameClock clock;                       // 8 ms period, 100 ms cap
//   clock.Restart(platform.GetTicks());
//   ... platform.Sleep(clock.TimeUntilDue(platform.GetTicks()));
//   uint32_t dt = clock.Take(platform.GetTicks());
#pragma once

#include <cstdint>

namespace corvellane {

class TFrameClock {
 public:
  static constexpr uint32_t kDefaultPeriodMs = 8;
  static constexpr uint32_t kMaxStepMs = 100;

  explicit TFrameClock(uint32_t period_ms = kDefaultPeriodMs, uint32_t max_step_ms = kMaxStepMs)
      : period_(period_ms), max_step_(max_step_ms) {}

  // The next step is measured from now (start, return from minimised).
  void Restart(uint32_t now) { last_ = now; }
  // Milliseconds to wait before the next frame is due (0 when it is due).
  uint32_t TimeUntilDue(uint32_t now) const;
  // Starts a frame: the step since the previous frame, capped.
  uint32_t Take(uint32_t now);

  uint32_t Period() const { return period_; }
  uint32_t MaxStep() const { return max_step_; }

 private:
  uint32_t period_;
  uint32_t max_step_;
  uint32_t last_ = 0;
};

}  // namespace corvellane
