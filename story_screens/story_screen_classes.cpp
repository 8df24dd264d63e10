#include "story_screens/story_screen_classes.h"

#include "persistence/class_registry.h"
#include "story_screens/map_screen.h"
#include "story_screens/play_screen.h"

namespace corvellane {

void RegisterStoryScreenClasses() {
  RegisterClass<TCorvellaneGameScreenMap>("CorvellaneGameScreenMap");
  RegisterClass<TCorvellaneGameScreenGame>("CorvellaneGameScreenGame");
}

}  // namespace corvellane
