#include "screens/screen_classes.h"

#include "persistence/class_registry.h"
#include "screens/game_screen.h"

namespace corvellane {

void RegisterScreenClasses() { RegisterClass<TGameScreen>("GameScreen"); }

}  // namespace corvellane
