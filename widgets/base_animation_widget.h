// base_animation_widget.h: TBaseAnimationWidget, frames laid out on a sheet
// in an image, played by a phase clock (phase_clock.h); the base of
// TAnimationWidget and TSequenceAnimationWidget.
//
// The sheet starts at (resourceleft, resourcetop), the image widget's source
// position, and is "resourcewidth" pixels wide; frames are the widget's size
// and fill it row by row:
//
//   <widget type="animation_widget" resourcename="butterfly" width="32"
//           height="32" resourcewidth="128" framescount="8"
//           animationtime="800" loop="yes" startdelaytime="500"/>
//
// Frame f sits at (width * (f mod per_row), height * (f div per_row)) from
// the sheet's corner, per_row = resourcewidth div width; a sheet narrower
// than one frame draws nothing. Restart plays again from the start delay.
//
// Every key reads and writes by name too; "animationtime" reads here, and
// the frame animation loads, saves and writes it ("currentframe" is each
// subclass's own).
#pragma once

#include <cstdint>

#include "widgets/image_widget.h"
#include "widgets/phase_clock.h"

namespace corvellane {

class TBaseAnimationWidget : public TImageWidget, protected IPhasePlayer {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Advance(int32_t elapsed_ms) override;
  void Restart() override;
  TRect SourceRect() override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;

  const TPhaseClock& Clock() const { return clock_; }
  int32_t GetCurrentFrame() const { return current_frame_; }
  int32_t GetFramesCount() const { return frames_count_; }
  int32_t GetAnimationTime() const { return animation_time_; }
  bool IsReverse() const { return reverse_; }
  bool IsHideOnStop() const { return hide_on_stop_; }

 protected:
  // A different frame is stored and marks the widget changed.
  void SetCurrentFrame(int32_t frame);
  void SetAnimationTime(int32_t ms) { animation_time_ = ms; }

  // IPhasePlayer: the clock runs on the widget's current time.
  int32_t PhaseTime() const override { return GetCurrentTime(); }
  void SetPhaseTime(int32_t ms) override { SetCurrentTime(ms); }
  void Replay() override { Advance(0); }
  int32_t PassLength() override { return animation_time_; }

  TPhaseClock clock_;

 private:
  // A different sheet width redraws the frame.
  void SetSheetWidth(int32_t width);

  int32_t frames_count_ = 0;
  int32_t sheet_width_ = 0;
  int32_t sheet_height_ = 0;
  int32_t current_frame_ = 0;
  bool hide_on_stop_ = false;
  bool reverse_ = false;
  int32_t animation_time_ = 0;
};

}  // namespace corvellane
