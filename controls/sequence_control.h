// sequence_control.h: TSequenceControl ("SequenceControl"), a slide show.
//
// The children are the steps, shown one at a time in collection order: the
// first on the first advance, each next one after "step_duration_time" ms
// (0: only on clicks) or on any mouse press on the control. A step whose
// child names an image resource without pixels is skipped. Asked to go past
// the last step, the sequence reports event 10 to its event handler and
// keeps the last step; with a step duration that happens on every advance
// from then on, so a screen waiting for the end sees it whenever it looks.
//
//   <widget type="SequenceControl" name="sequence_intro" visible="yes"
//           mousestop="yes" width="640" height="480" step_duration_time="3000">
//     <widgets>
//       <widget type="image_widget" name="slide_1" resourcename="intro_1"/>
//       <widget type="image_widget" name="slide_2" resourcename="intro_2"/>
//     </widgets>
//   </widget>
#pragma once

#include <cstdint>

#include "controls/control_widget.h"

namespace corvellane {

class TSequenceControl : public TControlWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  // After the keys and steps: every step hidden until the first advance.
  void LoadProperties(IHierStorage* node) override;
  void Advance(int32_t elapsed_ms) override;
  bool MouseDown(TPoint point, uint32_t keys, TMouseButton button) override;

  // Hides the current step and shows step i (or the next one that is not an
  // empty image); at or past the end reports event 10 instead.
  void ShowStep(int32_t step);
  // -1 before the first step.
  int32_t GetCurrentStep() const { return current_step_; }
  int32_t GetStepDuration() const { return step_duration_; }

 private:
  int32_t step_duration_ = 0;
  int32_t current_step_ = -1;
};

}  // namespace corvellane
