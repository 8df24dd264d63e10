// blink_widget.h: TBlinkWidget ("blink_widget"), a picture whose opacity
// ramps from a start level to a peak and on to an end level.
//
//   <widget type="blink_widget" resourcename="glow" width="64" height="64"
//           start_transparentlevel="0" peak_transparentlevel="255"
//           firstperiod="500" secondperiod="500" loop="yes" loops_count="3"/>
//
// One blink lasts firstperiod + secondperiod milliseconds: the level climbs
// linearly from the start to the peak level during the first period and
// moves linearly to the end level during the second. A start delay comes
// first and a cycle delay between blinks (both at the start level). Without
// loop it stops after one blink on the end level ("stoponfirst": the start
// level); with a loops count it dies after that many blinks, so its group
// removes it. A stopped blink runs again when "loop" is switched on.
#pragma once

#include <cstdint>

#include "widgets/image_widget.h"
#include "widgets/phase_clock.h"

namespace corvellane {

class TBlinkWidget : public TImageWidget, protected IPhasePlayer {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Advance(int32_t elapsed_ms) override;

  const TPhaseClock& Clock() const { return clock_; }
  int32_t GetLoopsCount() const { return loops_count_; }

 protected:
  int32_t PhaseTime() const override { return GetCurrentTime(); }
  void SetPhaseTime(int32_t ms) override { SetCurrentTime(ms); }
  void Replay() override { Advance(0); }
  int32_t PassLength() override;
  void ShowRest() override { SetTransparentLevel(start_level_); }
  void ShowAt(int32_t time, int32_t pass_length) override;
  bool PassCompleted() override;
  void Stopped() override;

 private:
  int32_t FinalLevel() const { return clock_.GetStopOnFirst() ? start_level_ : end_level_; }

  TPhaseClock clock_;
  int32_t loops_count_ = 0;
  int32_t first_period_ = 1;
  int32_t second_period_ = 1;
  int32_t start_level_ = 0;
  int32_t peak_level_ = 0;
  int32_t end_level_ = 0;
};

}  // namespace corvellane
