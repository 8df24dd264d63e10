// story_screen_classes.h: the screens of the story, registered by their
// type names for the game definition file's "gamescreen" elements:
// "CorvellaneGameScreenMap" (map_screen.h), "CorvellaneGameScreenGame"
// (play_screen.h), "CorvellaneGameScreenMain" (main_screen.h), the players'
// dialogs "GameScreenNewUser" (new_user_screen.h) and
// "GameScreenUserProfiles" (user_profiles_screen.h), and the control
// "HighScoresGridControl" (high_scores_grid_control.h).
#pragma once

namespace corvellane {

void RegisterStoryScreenClasses();

}  // namespace corvellane
