// button_control.h: TButtonControl ("ButtonControl"), the push button.
//
// Looks: the children "image_normal", "image_selected" (the cursor is over
// the button) and "image_disabled"; a missing look falls back on
// "image_normal". The cursor is polled once per advance, so the look follows
// the mouse whatever holds the capture; dragging off a pressed button shows
// its normal look while it keeps the capture.
//
// Clicking: a left press on an enabled button takes the mouse capture and
// plays "sound_buttonclick"; the release clicks when it happens inside the
// button and in any case gives the capture back. Entering an enabled button
// plays "sound_buttonhover". Sounds are found up the owner chain (the
// button's own, its groups', the screen's, the game's); a missing one is
// silent. Clicking never moves the keyboard focus.
//
// A click performs "actiontype" (lower-cased when loaded):
//   "closegamescreen"  closes the screen holding the button
//   "showgamescreen"   shows "gamescreenname" with "GSParams" (key=value
//                      list; the keys become upper-case parameter names)
//   "url"              opens "url" in the web browser
//   "run_file"         opens "file_to_run" with its default program
//   "change_props"     writes "props_to_change" (key=value list of property
//                      paths and texts) on the button, e.g.
//                      "\window:/panel/visible=yes\../label_hint/visible=no"
// Any other action type (normally none) reports event 1 (click) to the
// event handler of the owner chain: the screen, or a container control.
//
//   <widget type="ButtonControl" name="button_options" visible="yes"
//           mousestop="yes" enabled="yes" width="120" height="32"
//           actiontype="showgamescreen" gamescreenname="GS_Options"
//           GSParams="\from=menu">
//     <widgets>
//       <widget type="image_widget" name="image_normal" resourcename="btn"/>
//       <widget type="image_widget" name="image_selected" resourcename="btn_lit"/>
//       <widget type="image_widget" name="image_disabled" resourcename="btn_off"/>
//     </widgets>
//   </widget>
//
// With "check_images" the button hides itself as long as one of its
// children names an image resource without pixels ("check_images" is not
// saved back). Every key reads and writes by name as the text it is; a
// written "actiontype" is taken as it is, not lower-cased.
#pragma once

#include <cstdint>
#include <string>

#include "controls/control_widget.h"

namespace corvellane {

enum class TButtonLook : int32_t { kNormal = 0, kSelected = 1, kDisabled = 2, kNone = 3 };

class TButtonControl : public TControlWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void Advance(int32_t elapsed_ms) override;
  void SetEnabled(bool enabled) override;

  bool MouseDown(TPoint point, uint32_t keys, TMouseButton button) override;
  bool MouseUp(TPoint point, uint32_t keys, TMouseButton button) override;

  // Shows the look's child unless it is the one shown already.
  virtual void SetImageState(TButtonLook look);
  // The look for the enabled and hover states.
  virtual void RefreshState();
  TButtonLook GetImageState() const { return image_state_; }

  const std::string& GetActionType() const { return action_type_; }

 private:
  void CheckImages();
  void PerformAction();
  void CloseHoldingScreen();
  void ShowNamedScreen();
  void ChangeProperties();

  bool image_check_pending_ = true;
  TButtonLook image_state_ = TButtonLook::kNone;
  std::string action_type_;
  std::string screen_params_;
  std::string screen_name_;
  std::string url_;
  std::string file_to_run_;
  std::string props_to_change_;
  bool check_images_ = false;
};

}  // namespace corvellane
