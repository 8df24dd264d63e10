// user_profiles_screen.h: TGameScreenUserProfiles ("GameScreenUserProfiles"),
// where players choose, create and delete profiles.
//
// Widgets by name: "listbox_profiles" (a list box, list_box_interface.h),
// "button_ok", "button_cancel", "button_create", "button_delete". The list
// shows every profile, the current one selected, after a first row "create
// new user" (the text "%CreateNewUser%"), unless
// "add_create_new_user_name_listitem" is "no".
//
// Clicking the first row, or "button_create", opens "GS_NewUser"; the name
// it brings back becomes a new profile, selected, saved, and the screen
// closes. A double click on a profile, OK or Enter makes it the current
// one, saves and closes; Cancel or Escape closes without a change.
// "button_delete" asks "GS_QueryDeleteProfile" with {"user_name"}; answered
// "button_yes", the profile goes (and is saved so); when none is left,
// "GS_NewUser" asks for a name that cannot be cancelled. The list is filled
// at every opening and emptied at every close.
//
//   <gamescreen type="GameScreenUserProfiles" name="GS_UserProfiles"> <window> ...
//     <widget type="ListBoxControl" name="listbox_profiles" tabstop="yes" .../>
//   </window> </gamescreen>
#pragma once

#include <string>

#include "controls/list_box_interface.h"
#include "records/user_profile_interface.h"
#include "screens/game_screen.h"

namespace corvellane {

class TGameScreenUserProfiles : public TGameScreen {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void Close() override;
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  bool KeyEvent(const PlatformEvent& event) override;

  const std::string& GetSelectedName() const { return selected_name_; }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  enum class TConfirm { kSelect, kKeep };
  void Confirm(TConfirm confirm);
  void OnListEvent(int32_t code);
  void AskToDelete();
  void DeleteSelected();
  // The selected row holds a profile (not "create new user", not none).
  bool IsProfileRow(int32_t row) const;
  void SaveProfiles();
  Ref<IUserProfileCollection> Profiles();

  Ref<IListBoxControl> list_;
  std::string selected_name_;
  bool show_create_item_ = true;
  int32_t first_profile_row_ = 1;
};

}  // namespace corvellane
