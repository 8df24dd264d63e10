// game_menu_screen.h: TCorvellaneGameScreenMenu ("CorvellaneGameScreenMenu"),
// the menu the play screen opens over a level ("GS_GameMenu").
//
//   button_unpause    closes the menu: the level goes on
//   button_options    the options page ("GS_Options")
//   button_rules      how to play ("GS_HowToPlay")
//   button_restart    asks "GS_QueryRestart"; a yes closes the menu with
//                     {"Button": "GS_QueryRestart"}
//   button_main_menu  asks "GS_QueryMainMenu"; a yes closes the menu with
//                     {"Button": "GS_QueryMainMenu"}
//
// Every other close carries {"Button": the button's name}; Escape, or a
// click beside the menu's widgets, closes it with no result. A question the
// game cannot show closes the menu at once with the button's name, so the
// player is never left in a menu whose button does nothing. The play screen
// reads "Button" (story_screens/play_screen.h). The menu shows the open
// parameter "text" in "current_level_caption".
#pragma once

#include "screens/game_screen.h"

namespace corvellane {

class TCorvellaneGameScreenMenu : public TGameScreen {
 public:
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;
  bool KeyEvent(const PlatformEvent& event) override;
  bool MouseEvent(const PlatformEvent& event) override;

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;

 private:
  // Shows the question; when it cannot be shown, closes with the result.
  void Ask(std::string_view question, Ref<IParamCollection> result);
};

}  // namespace corvellane
