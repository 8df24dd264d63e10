// quit_screen.h: TGameScreenQuit ("GameScreenQuit"), the question asked
// before the game ends.
//
// The game shows it when the player closes the window (its quit-query
// screen) and a menu button may show it too. A click on "button_exit" (or
// Enter) ends the game; "button_cancel" (or Escape) closes the question and
// play goes on.
//
//   <gamescreen type="GameScreenQuit" name="GS_Quit"> <window> ...
//     <widget type="ButtonControl" name="button_exit" .../>
//     <widget type="ButtonControl" name="button_cancel" .../>
//   </window> </gamescreen>
#pragma once

#include "screens/game_screen.h"

namespace corvellane {

class TGameScreenQuit : public TGameScreen {
 public:
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  // Enter leaves, Escape stays.
  bool KeyEvent(const PlatformEvent& event) override;

 private:
  void Leave();
};

}  // namespace corvellane
