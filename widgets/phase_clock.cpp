#include "widgets/phase_clock.h"

#include "persistence/value_access.h"

namespace corvellane {

void TPhaseClock::Load(IHierStorage* node) {
  loop_ = ReadBool(node, "loop", false);
  start_delay_ = ReadInt(node, "startdelaytime", 0);
  cycle_delay_ = ReadInt(node, "cycledelaytime", 0);
  stop_on_first_ = ReadBool(node, "stoponfirst", false);
}

void TPhaseClock::Save(IHierStorage* node) const {
  WriteBool(node, "loop", loop_, loop_);
  WriteInt(node, "startdelaytime", start_delay_, start_delay_ != 0);
  WriteInt(node, "cycledelaytime", cycle_delay_, cycle_delay_ != 0);
  WriteBool(node, "stoponfirst", stop_on_first_, stop_on_first_);
}

std::optional<Variant> TPhaseClock::ReadProperty(std::string_view name) const {
  if (name == "loop") return Variant(loop_);
  if (name == "stoponfirst") return Variant(stop_on_first_);
  if (name == "startdelaytime") return Variant(start_delay_);
  if (name == "cycledelaytime") return Variant(cycle_delay_);
  if (name == "playing") return Variant(IsPlaying());
  return std::nullopt;
}

bool TPhaseClock::WriteProperty(std::string_view name, const Variant& value) {
  if (name == "loop") {
    SetLoop(value.ToBool(loop_));
  } else if (name == "stoponfirst") {
    stop_on_first_ = value.ToBool(stop_on_first_);
  } else if (name == "startdelaytime") {
    start_delay_ = value.ToInt(start_delay_);
  } else if (name == "cycledelaytime") {
    cycle_delay_ = value.ToInt(cycle_delay_);
  } else {
    return false;
  }
  return true;
}

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
