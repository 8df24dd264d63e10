// query_dialog.h: TGameScreenQueryDialog ("GameScreenQueryDialog"), a
// question or a message with its buttons, and
// TGameScreenQueryDeleteProfile ("GameScreenQueryDeleteProfile"), the
// question asked before a player's profile is deleted.
//
// The caller fills the dialog's texts by naming its widgets in the open
// parameters: each parameter writes its value as "text_utf8" to the widget
// at the path of its name. Any button click closes the dialog with the
// result {"Button" = the button's name}, which the caller reads in
// ChildClosed. Enter answers with "button_yes" (or "button_ok"), Escape
// with "button_no" (or "button_cancel", or "button_ok" when that is the
// only answer), when such a button is there and enabled.
//
//   <gamescreen type="GameScreenQueryDialog" name="GS_QueryNotUniqueName"> <window> ...
//     <widget type="text_widget" name="text_question" .../>
//     <widget type="ButtonControl" name="button_ok" enabled="yes" .../>
//   </window> </gamescreen>
//
//   owner->ShowScreen("GS_QueryNotUniqueName", MakeParams({{"text_question", "%name_taken%"}}));
//   void ChildClosed(std::string_view name, Ref<IParamCollection> result) override {
//     if (name == "GS_QueryDeleteProfile" && result &&
//         result->GetNamedValue("Button", Variant()).ToText() == "button_yes") ...
//   }
//
// The delete question also shows the open parameter "user_name" in its
// widget "label_user_profile_name", as written (never as a reference).
#pragma once

#include <string>
#include <string_view>

#include "screens/game_screen.h"

namespace corvellane {

class TGameScreenQueryDialog : public TGameScreen {
 public:
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  bool KeyEvent(const PlatformEvent& event) override;

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;
  // Closes with {"Button" = name}.
  void Answer(std::string_view button);

 private:
  // The first of the names that is an enabled widget of the window.
  std::string FirstButton(std::initializer_list<std::string_view> names);
};

class TGameScreenQueryDeleteProfile : public TGameScreenQueryDialog {
 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;
};

}  // namespace corvellane
