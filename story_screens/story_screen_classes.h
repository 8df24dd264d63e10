// story_screen_classes.h: the screens of the story, registered by their
// type names for the game definition file's "gamescreen" elements:
// "CorvellaneGameScreenMap" (map_screen.h), "CorvellaneGameScreenGame"
// (play_screen.h).
#pragma once

namespace corvellane {

void RegisterStoryScreenClasses();

}  // namespace corvellane
