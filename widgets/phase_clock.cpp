#include "widgets/phase_clock.h"

namespace corvellane {

void TPhaseClock::Rewind() {
  running_ = true;
  phase_ = TPlayPhase::StartDelay;
}

void TPhaseClock::Stop() {
  running_ = false;
  phase_ = TPlayPhase::Stopped;
}

void TPhaseClock::SetLoop(bool loop) {
  loop_ = loop;
  if (loop && phase_ == TPlayPhase::Stopped) Rewind();
}

void TPhaseClock::Step(IPhasePlayer& player) {
  switch (phase_) {
    case TPlayPhase::StartDelay: StepDelay(player, start_delay_); break;
    case TPlayPhase::Playing: StepPlaying(player); break;
    case TPlayPhase::CycleDelay: StepDelay(player, cycle_delay_); break;
    case TPlayPhase::Stopped: break;
  }
}

void TPhaseClock::StepDelay(IPhasePlayer& player, int32_t delay) {
  player.ShowRest();
  int32_t time = player.PhaseTime();
  if (time < delay) return;
  phase_ = TPlayPhase::Playing;
  if (delay > 0) {
    time %= delay;
    player.SetPhaseTime(time);
  }
  // The time past the delay belongs to the playing phase.
  if (time != 0) player.Replay();
}

void TPhaseClock::StepPlaying(IPhasePlayer& player) {
  int32_t time = player.PhaseTime();
  const int32_t length = player.PassLength();
  if (time >= length) {
    if (!loop_) {
      Stop();
      player.Stopped();
      return;
    }
    phase_ = TPlayPhase::CycleDelay;
    if (length > 0) {
      time %= length;
      player.SetPhaseTime(time);
    }
    if (!player.PassCompleted()) return;
  }
  player.ShowAt(time, length);
}

}  // namespace corvellane
