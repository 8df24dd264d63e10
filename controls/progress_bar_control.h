// progress_bar_control.h: TProgressBarControl ("ProgressBarControl"), a bar
// that fills as work gets done.
//
// The first child is the bar: its full size and source rectangle are taken
// when the control is attached, and "position" (0 .. 1) cuts it to that
// share of its width, or, with "vertical", of its height from the bottom up
// (the bar then always shows the lower part of its picture). Draw a frame
// behind it with a second child of a lower z placed after it.
//
//   <widget type="ProgressBarControl" name="progress" visible="yes" width="320" height="28">
//     <widgets>
//       <widget type="image_widget" name="image_fill" visible="yes" z="1"
//               resourcename="image_progress_fill" width="320" height="28"/>
//       <widget type="image_widget" name="image_frame" visible="yes"
//               resourcename="image_progress_frame" width="320" height="28"/>
//     </widgets>
//   </widget>
//
//   progress->SetProperty("position", 0.25);
#pragma once

#include <cstdint>

#include "controls/control_widget.h"

namespace corvellane {

class TProgressBarControl : public TControlWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;

  double GetPosition() const { return position_; }
  // Kept within 0 .. 1 (anything else, NaN included, at the nearer end).
  void SetPosition(double position);

 private:
  double position_ = 0;
  bool vertical_ = false;
  Ref<IWidget> bar_;
  int32_t full_width_ = 0;
  int32_t full_height_ = 0;
  int32_t source_top_ = 0;
  int32_t bottom_ = 0;
};

}  // namespace corvellane
