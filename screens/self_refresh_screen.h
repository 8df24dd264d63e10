// self_refresh_screen.h: TGameScreenSplashSelfRefresh
// ("GameScreenSplashSelfRefresh"), a screen rebuilt from its own definition
// every time it opens.
//
// Screens that change their widgets while they run (a loading screen that
// hides its progress bar and shows a "continue" picture) start afresh each
// time: the screen keeps the text of its element and, from the second
// opening on, drops its window and loads itself again from that text. With
// "refresh_on_first_show" = "yes" only the name is read at start and the
// window is built at the first opening (a screen that costs nothing until it
// is needed).
//
//   <gamescreen type="GameScreenSplashSelfRefresh" name="GS_Intro" refresh_on_first_show="yes">
//     <window> ... </window>
//   </gamescreen>
//
// A kept text that no longer parses (it cannot change, so this is a broken
// definition) is reported once and the screen opens as it is.
#pragma once

#include <string>

#include "screens/game_screen.h"

namespace corvellane {

class TGameScreenSplashSelfRefresh : public TGameScreen {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;
  // Whether the screen is loading itself again from its kept text.
  bool IsRefreshing() const { return refreshing_; }

 private:
  void Refresh();

  std::string definition_;
  bool refresh_on_first_show_ = false;
  // The next opening rebuilds the screen.
  bool refresh_pending_ = false;
  bool refreshing_ = false;
};

}  // namespace corvellane
