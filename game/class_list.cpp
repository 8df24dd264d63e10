#include "game/class_list.h"

#include "controls/control_classes.h"
#include "engine/resource_file.h"
#include "engine/resource_types.h"
#include "functions/function_classes.h"
#include "game/custom_settings_commands.h"
#include "game/game.h"
#include "particles/particle_classes.h"
#include "persistence/class_registry.h"
#include "play/play_classes.h"
#include "records/record_classes.h"
#include "scenarios/scenario_classes.h"
#include "screens/screen_classes.h"
#include "screens/splash_screens.h"
#include "sound/sound_definitions.h"
#include "story/story_classes.h"
#include "story_screens/story_screen_classes.h"
#include "widgets/widget_classes.h"

namespace corvellane {

void RegisterAllGameClasses() {
  RegisterPersistenceClasses();
  RegisterEngineResourceClasses();
  RegisterEngineResourceTypes();
  RegisterSoundClasses();
  RegisterFunctionClasses();
  RegisterWidgetClasses();
  RegisterParticleClasses();
  RegisterControlClasses();
  RegisterScenarioClasses();
  RegisterScreenClasses();
  RegisterSplashScreenClasses();
  RegisterRecordClasses();
  RegisterStoryClasses();
  RegisterPlayClasses();
  RegisterStoryScreenClasses();
  RegisterGameClasses();
  RegisterCustomSettingsClasses();
}

}  // namespace corvellane
