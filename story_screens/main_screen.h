// main_screen.h: TCorvellaneGameScreenMain ("CorvellaneGameScreenMain"), the
// main menu: it greets the player, makes sure there is one, and holds the
// story's two shared catalogues.
//
// When the game attaches it (once, at start) it loads the scene list
// ("data\ini\scenes.ini") and the object categories
// ("data\ini\categories.ini", their resources registered with the engine)
// and publishes them as the game values "SceneDefRefs" and "Categories",
// where the map and play screens find them; at the end of the game it takes
// them back. A file that cannot be read leaves its value unset (and the log
// says so).
//
// Each time it opens, and each time a screen above it closes, it looks at
// the current player: with one, the widget "welcome_message" shows the text
// "%welcome%" with the macro "username" set to the player's name; without
// one, a name is asked for before anything else: "GS_NewUser_FirstRun" when
// the menu opens (after restarting "hide_desktop_screen", when there is
// such a widget), "GS_NewUser" otherwise, both with "Necessary" (no
// cancelling). The name that comes back becomes a new profile, the current
// one, saved at once.
//
// Buttons by name (the rest act by their action types): "button_play_timed"
// and "button_play_relaxed" open "GS_Map" with "play_mode" 0 or 1, and
// "button_highscores" opens "GS_HighScores"; while a game has no such screen
// they open "GS_ComingSoon". Escape asks the quit question ("GS_Quit").
//
//   <gamescreen type="CorvellaneGameScreenMain" name="GS_Main"> <window> ...
//     <widget type="text_widget" name="welcome_message" .../>
//     <widget type="ButtonControl" name="button_play_timed" enabled="yes" .../>
//     <widget type="ButtonControl" name="button_options" enabled="yes"
//             actiontype="showgamescreen" gamescreenname="GS_Options" .../>
//   </window> </gamescreen>
#pragma once

#include <string_view>

#include "records/user_profile_interface.h"
#include "screens/game_screen.h"

namespace corvellane {

class TCorvellaneGameScreenMain : public TGameScreen {
 public:
  // Publishes the scene list and the categories.
  void SetOwner(IGameScreenOwner* owner) override;
  // Takes them back.
  void ClearOwner() override;
  void Open(Ref<IParamCollection> parameters) override;
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  bool KeyEvent(const PlatformEvent& event) override;

 private:
  void PublishCatalogues();
  void WithdrawCatalogues();
  // Greets the current player or asks for one.
  void CheckProfile(bool opening);
  void AddPlayer(std::string_view name);
  // The screen, or "GS_ComingSoon" when the game has none of that name.
  void ShowOrComingSoon(std::string_view screen, Ref<IParamCollection> parameters);
  Ref<IUserProfileCollection> Profiles();
};

}  // namespace corvellane
