#include "screens/screen_classes.h"

#include "persistence/class_registry.h"
#include "screens/game_screen.h"
#include "screens/options_screen.h"
#include "screens/query_dialog.h"

namespace corvellane {

void RegisterScreenClasses() {
  RegisterClass<TGameScreen>("GameScreen");
  RegisterClass<TGameScreenQueryDialog>("GameScreenQueryDialog");
  RegisterClass<TGameScreenQueryDeleteProfile>("GameScreenQueryDeleteProfile");
  RegisterClass<TGameScreenOptions>("GameScreenOptions");
}

}  // namespace corvellane
