// check_box_control.h: TCheckBoxControl ("CheckBoxControl"), a box the
// player ticks and clears.
//
// Looks: six children by name, "image_check_normal", "image_check_selected"
// (the cursor is over it), "image_check_disabled" and the same three with
// "uncheck"; a missing selected or disabled look falls back on the normal
// one of its kind. A left press on an enabled box takes the mouse capture
// and plays "sound_effect"; the release inside toggles the box and reports
// event 2 (kWidgetEventCheckBoxToggled); a release outside only gives the
// capture back. Writing "CheckBoxState" by name sets the box without an
// event (a screen showing a stored option).
//
//   <widget type="CheckBoxControl" name="checkbox_screenmode" visible="yes"
//           mousestop="yes" enabled="yes" width="28" height="28">
//     <widgets>
//       <widget type="image_widget" name="image_check_normal" resourcename="image_checkbox_on"/>
//       <widget type="image_widget" name="image_uncheck_normal" resourcename="image_checkbox_off"/>
//     </widgets>
//   </widget>
//
//   box->SetProperty("CheckBoxState", true);
#pragma once

#include <cstdint>

#include "controls/control_widget.h"

namespace corvellane {

// Disabled, then enabled without and with the cursor over the box.
enum class TCheckBoxLook : int32_t {
  kUncheckedDisabled = 0,
  kCheckedDisabled = 1,
  kUnchecked = 2,
  kUncheckedHovered = 3,
  kChecked = 4,
  kCheckedHovered = 5,
};

class TCheckBoxControl : public TControlWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void SetEnabled(bool enabled) override;
  void Advance(int32_t elapsed_ms) override;

  bool MouseDown(TPoint point, uint32_t keys, TMouseButton button) override;
  bool MouseUp(TPoint point, uint32_t keys, TMouseButton button) override;

  bool IsChecked() const { return checked_; }
  // No event: only the player's click reports one.
  void SetChecked(bool checked);
  TCheckBoxLook GetLook() const { return look_; }

 private:
  // Shows the look of the enabled, hover and checked states.
  void RefreshLook();

  bool checked_ = false;
  TCheckBoxLook look_ = TCheckBoxLook::kUncheckedDisabled;
};

}  // namespace corvellane
