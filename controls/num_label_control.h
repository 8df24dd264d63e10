// num_label_control.h: TNumLabelControl ("NumLabelControl"), a number that
// counts towards its new value.
//
// The number is shown in the first child (its "text_utf8" property), with
// the thousands separator of the language ("12,500"). Writing "value" sets
// the target; with "animation" on, the shown number ("current_value") then
// covers the distance evenly within "maxincrementaldurationtime" ms of the
// write, moving at least "minincrementalvaluepersecond" per second, and
// lands exactly on the target. "animation_complete" reads yes once it has.
//
//   <widget type="NumLabelControl" name="label_score" visible="yes"
//           animation="yes" maxincrementaldurationtime="1000"
//           minincrementalvaluepersecond="500">
//     <widgets><widget type="text_widget" name="text" .../></widgets>
//   </widget>
//
//   score->SetProperty("value", 12500);   // counts up over the next second
#pragma once

#include "controls/control_widget.h"

namespace corvellane {

class TNumLabelControl : public TControlWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;

  int32_t GetValue() const { return value_; }
  // The new target; counting restarts from the number shown now.
  void SetValue(int32_t value);
  int32_t GetCurrentValue() const { return current_value_; }
  bool IsAnimated() const { return animation_; }
  // Turning animation on shows the target at once.
  void SetAnimation(bool animation);
  bool IsAnimationComplete() const { return value_ == current_value_; }

 private:
  // The shown number after dt more ms of counting; counts the time too.
  int32_t CountedValue(int32_t elapsed_ms);
  void RefreshText();

  int32_t value_ = 0;
  int32_t current_value_ = 0;
  bool animation_ = true;
  int32_t min_rate_ = 0;
  int32_t max_duration_ = 0;
  int32_t elapsed_ = 0;
  Ref<IWidget> text_target_;
};

}  // namespace corvellane
