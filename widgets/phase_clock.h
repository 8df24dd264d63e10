// phase_clock.h: TPhaseClock, the start-delay / playing / cycle-delay /
// stopped machine shared by the animation and blink widgets.
//
// The widget keeps its own clock (the current time of TAbstractWidget); the
// machine reduces it with "mod" at every phase change, so the time always
// counts within the current phase. The widget implements IPhasePlayer and
// calls Step after each advance of its clock:
//
//   void TMyWidget::Advance(int32_t dt) {
//     TImageWidget::Advance(dt);
//     if (clock_.IsRunning()) clock_.Step(*this);
//   }
//
// Keys and properties shared by every widget that has such a clock: "loop",
// "startdelaytime", "cycledelaytime", "stoponfirst" (and "playing", read
// only). The widget adds them to its property table where they belong in
// its saved element:
//
//   AddPhaseClockRows(table, &TMyWidget::clock_);
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "persistence/property_table.h"

namespace corvellane {

enum class TPlayPhase : uint8_t { StartDelay = 0, Playing = 1, CycleDelay = 2, Stopped = 3 };

// What the machine asks of the widget it drives.
struct IPhasePlayer {
  virtual int32_t PhaseTime() const = 0;
  virtual void SetPhaseTime(int32_t ms) = 0;
  // Runs the widget's advance once more without time (Advance(0)).
  virtual void Replay() = 0;
  // Length of one pass of the playing phase.
  virtual int32_t PassLength() = 0;
  // Phases 0 and 2: the resting picture (frame 0, the start level).
  virtual void ShowRest() = 0;
  // Phase 1: the picture at a time within the pass.
  virtual void ShowAt(int32_t time, int32_t pass_length) = 0;
  // A looping pass ended; false when the widget stopped itself.
  virtual bool PassCompleted() { return true; }
  // The machine stopped at the end of a pass without loop.
  virtual void Stopped() = 0;

 protected:
  ~IPhasePlayer() = default;
};

class TPhaseClock {
 public:
  void Step(IPhasePlayer& player);

  bool IsRunning() const { return running_; }
  TPlayPhase GetPhase() const { return phase_; }
  bool IsPlaying() const { return phase_ == TPlayPhase::Playing; }
  // Running again from the start delay.
  void Rewind();
  // Not running any more, in the stopped phase.
  void Stop();

  bool GetLoop() const { return loop_; }
  // Switching loop on brings a stopped clock back to the start delay.
  void SetLoop(bool loop);
  bool GetStopOnFirst() const { return stop_on_first_; }
  void SetStopOnFirst(bool on) { stop_on_first_ = on; }
  int32_t GetStartDelay() const { return start_delay_; }
  void SetStartDelay(int32_t ms) { start_delay_ = ms; }
  int32_t GetCycleDelay() const { return cycle_delay_; }
  void SetCycleDelay(int32_t ms) { cycle_delay_ = ms; }

 private:
  void StepDelay(IPhasePlayer& player, int32_t delay);
  void StepPlaying(IPhasePlayer& player);

  bool loop_ = false;
  bool stop_on_first_ = false;
  int32_t start_delay_ = 0;
  int32_t cycle_delay_ = 0;
  bool running_ = true;
  TPlayPhase phase_ = TPlayPhase::StartDelay;
};

// The clock's rows, in the order they are saved; `clock` is the widget's
// clock member.
template <class C>
void AddPhaseClockRows(TPropertyTableOf<C>& table, TPhaseClock C::*clock) {
  // A getter and a setter of the clock, made to work on the widget.
  auto through_clock = [clock](auto get, auto set) {
    return std::pair([clock, get](C& c) { return std::invoke(get, c.*clock); },
                     [clock, set](C& c, auto value) { std::invoke(set, c.*clock, value); });
  };
  auto [loop_get, loop_set] = through_clock(&TPhaseClock::GetLoop, &TPhaseClock::SetLoop);
  auto [start_get, start_set] = through_clock(&TPhaseClock::GetStartDelay, &TPhaseClock::SetStartDelay);
  auto [cycle_get, cycle_set] = through_clock(&TPhaseClock::GetCycleDelay, &TPhaseClock::SetCycleDelay);
  auto [first_get, first_set] = through_clock(&TPhaseClock::GetStopOnFirst, &TPhaseClock::SetStopOnFirst);
  table.Bool("loop", loop_get, loop_set, false)
      .Int("startdelaytime", start_get, start_set, 0)
      .Int("cycledelaytime", cycle_get, cycle_set, 0)
      .Bool("stoponfirst", first_get, first_set, false)
      .Computed("playing", [clock](C& c) { return (c.*clock).IsPlaying(); });
}

}  // namespace corvellane
