// new_user_screen.h: TGameScreenNewUser ("GameScreenNewUser"), the dialog in
// which a player types a name for a new profile.
//
// Widgets by name: "edit_name" (an edit control), "button_ok",
// "button_cancel". OK (or Enter) accepts the name, without the blanks
// around it, when it is not empty and no profile has it yet, letter case of
// any script ignored ("ZOË" is "zoë"): the dialog closes with the result
// {"user_name" = the name} and the screen that opened it makes the
// profile. A name that is taken opens "GS_QueryNotUniqueName" over the
// dialog, which stays (the message gets the name in its widget
// "text_user_name"); an empty name cannot be confirmed, and "button_ok" is
// disabled while there is none. Cancel (or Escape) closes without a result,
// unless the open parameters hold "Necessary": then there is no cancelling
// and "button_cancel" is disabled. The open parameter "user_name" fills the
// edit.
//
//   <gamescreen type="GameScreenNewUser" name="GS_NewUser"> <window> ...
//     <widget type="EditControl" name="edit_name" tabstop="yes" max="20" .../>
//     <widget type="ButtonControl" name="button_ok" .../>
//     <widget type="ButtonControl" name="button_cancel" .../>
//   </window> </gamescreen>
#pragma once

#include <string>

#include "records/user_profile_interface.h"
#include "screens/game_screen.h"

namespace corvellane {

class TGameScreenNewUser : public TGameScreen {
 public:
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  bool KeyEvent(const PlatformEvent& event) override;

  const std::string& GetTypedName() const { return typed_name_; }
  bool IsCancelAllowed() const { return cancel_allowed_; }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  void Accept();
  void Cancel();
  // The typed name as it would be kept: the blanks around it gone.
  std::string Candidate() const;
  bool IsTaken(std::string_view name);
  void SetTypedName(std::string name);

  std::string typed_name_;
  bool cancel_allowed_ = true;
};

}  // namespace corvellane
