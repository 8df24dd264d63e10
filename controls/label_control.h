// label_control.h: TLabelControl ("LabelControl"), a label that lights up
// under the mouse.
//
// Shows its child "image_normal", or "image_selected" while the cursor is
// over it (falling back on "image_normal" when there is no selected look).
// The cursor is polled once per advance, so the look follows the mouse even
// when another widget holds the capture. A disabled label keeps whatever it
// shows.
//
//   <widget type="LabelControl" name="label_title" visible="yes" enabled="yes"
//           width="120" height="24">
//     <widgets>
//       <widget type="image_widget" name="image_normal" resourcename="title"/>
//       <widget type="image_widget" name="image_selected" resourcename="title_lit"/>
//     </widgets>
//   </widget>
#pragma once

#include "controls/control_widget.h"

namespace corvellane {

class TLabelControl : public TControlWidget {
 public:
  void SetOwner(IWidgetOwner* owner) override;
  void Advance(int32_t elapsed_ms) override;

  // 0 normal, 1 selected.
  int GetImageState() const { return image_state_; }

 private:
  void RefreshImages();

  int image_state_ = 0;
};

}  // namespace corvellane
