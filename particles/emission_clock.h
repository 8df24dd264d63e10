// emission_clock.h: TEmissionClock, how a particle system turns the time of
// an advance into emission.
//
// Without a step ("delta_step" < 1) every advance emits for its own time.
// With a step, time is gathered until a whole step is due; then the
// widget's clock is set back by the advance and moved forward again one
// step at a time, emitting once per step, so emission and the clock move in
// whole steps (a 50 ms step with 16 ms frames emits on every third or
// fourth frame).
//
//   clock_.SetStep(delta_step_);
//   clock_.Advance(*this, elapsed_ms, [&](int32_t ms) { Emit(ms); });
//
// After a stall the emission is bounded (particle_math.h kMaxEmissionSpanMs):
// the steps beyond it pass at once, moving the clock without emitting, and
// an unstepped advance emits for at most that span.
#pragma once

#include <cstdint>
#include <functional>

namespace corvellane {

class TAbstractWidget;

class TEmissionClock {
 public:
  void SetStep(int32_t step_ms) { step_ = step_ms; }
  int32_t GetStep() const { return step_; }
  void Reset() { accumulated_ = 0; }
  // Calls emit(ms) for each span to emit; with a step, the widget's clock
  // stands at the end of that step during the call.
  void Advance(TAbstractWidget& widget, int32_t elapsed_ms, const std::function<void(int32_t)>& emit);

 private:
  int32_t step_ = 0;
  int64_t accumulated_ = 0;
};

}  // namespace corvellane
