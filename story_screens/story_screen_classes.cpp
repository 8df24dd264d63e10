#include "story_screens/story_screen_classes.h"

#include "persistence/class_registry.h"
#include "story_screens/game_menu_screen.h"
#include "story_screens/desktop_screen.h"
#include "story_screens/high_scores_grid_control.h"
#include "story_screens/high_scores_screen.h"
#include "story_screens/level_stat_screen.h"
#include "story_screens/main_screen.h"
#include "story_screens/map_screen.h"
#include "story_screens/new_user_screen.h"
#include "story_screens/pairs_book_screen.h"
#include "story_screens/play_screen.h"
#include "story_screens/user_profiles_screen.h"

namespace corvellane {

void RegisterStoryScreenClasses() {
  RegisterClass<TCorvellaneGameScreenMap>("CorvellaneGameScreenMap");
  RegisterClass<TCorvellaneGameScreenGame>("CorvellaneGameScreenGame");
  RegisterClass<TCorvellaneGameScreenMain>("CorvellaneGameScreenMain");
  RegisterClass<TCorvellaneGameScreenDesktop>("CorvellaneGameScreenDesktop");
  RegisterClass<TCorvellaneGameScreenPairsBook>("CorvellaneGameScreenPairsBook");
  RegisterClass<TGameScreenNewUser>("GameScreenNewUser");
  RegisterClass<TGameScreenUserProfiles>("GameScreenUserProfiles");
  RegisterClass<THighScoresGridControl>("HighScoresGridControl");
  RegisterClass<TCorvellaneGameScreenLevelStat>("CorvellaneGameScreenLevelStat");
  RegisterClass<TCorvellaneGameScreenMenu>("CorvellaneGameScreenMenu");
  RegisterClass<TCorvellaneGameScreenHighScores>("CorvellaneGameScreenHighScores");
}

}  // namespace corvellane
