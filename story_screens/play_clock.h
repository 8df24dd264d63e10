// play_clock.h: TPlayClock, the clock of a level: the time left of a timed
// level, or the time played of a relaxed one.
//
//   TPlayClock clock;
//   clock.Start(true, 300000);             // timed: five minutes; the first step is skipped
//   TClockStep step = clock.Step(16);      // every frame
//   if (step.ran_out) ... the level is lost ...
//   clock.Step(60000);                     // a penalty: taken off 1000 ms a frame
//
// A step of ms: while time is pending, or when ms is 1000 or more, ms joins
// the pending time and the clock moves by the pending time up to 1000 ms,
// the rest waiting for the next steps; the step's frame time is then 0 (the
// wrong-click heat and the hint's recharge stand still meanwhile). Otherwise
// the clock moves by ms and the frame time is ms. So neither a long frame
// nor a penalty moves the clock by more than a second a frame.
//
// A timed clock that is above 0 goes down by the step; a timed clock found
// at 0 or below runs out (the level is lost at the first step that finds
// it so). A relaxed clock goes up.
//
// Pending time is time already spent (or taken as a penalty) that the clock
// has not shown yet: a level left now must count it, on the right side of
// the clock. Settled() is the clock as it stands with the pending time
// applied; UsedMs() the play time the level took.
#pragma once

#include <cstdint>

namespace corvellane {

// The per-step clock move of a timed level is never more than this.
inline constexpr int32_t kMaxClockStepMs = 1000;

struct TClockStep {
  int32_t clock_step = 0;  // what the clock moved by
  int32_t frame_time = 0;  // the time the frame's other clocks advance by
  bool ran_out = false;    // a timed clock was found at 0 or below
};

class TPlayClock {
 public:
  // A new level: the clock at `clock_ms`, nothing pending, the first step
  // skipped (the frame that started the level does not count).
  void Start(bool timed, int32_t clock_ms);
  void Reset() { *this = TPlayClock(); }

  TClockStep Step(int32_t ms);

  bool IsTimed() const { return timed_; }
  int32_t Clock() const { return clock_; }
  void SetClock(int32_t clock_ms) { clock_ = clock_ms; }
  int32_t Pending() const { return pending_; }

  // Timed: what is left once the pending time is taken off (never below
  // 0); relaxed: the time played with the pending time added.
  int32_t Settled() const;
  // The play time the level took: timed, the given time less what is left;
  // relaxed, the clock settled.
  int64_t UsedMs(int64_t given_ms) const;

 private:
  bool timed_ = false;
  int32_t clock_ = 0;
  int32_t pending_ = 0;
  bool skip_step_ = false;
};

}  // namespace corvellane
