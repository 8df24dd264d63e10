#include "scenarios/scenario_classes.h"

#include "persistence/class_registry.h"
#include "scenarios/flash_scenario.h"
#include "scenarios/move_scenario.h"
#include "scenarios/state_scenario.h"
#include "scenarios/statemachine_widget.h"
#include "scenarios/test_scenario.h"
#include "scenarios/transparent_scenario.h"

namespace corvellane {

void RegisterScenarioClasses() {
  RegisterClass<TTestScenario>("scenario");
  RegisterClass<TTransparentScenario>("transparent_scenario");
  RegisterClass<TMoveScenario>("move_scenario");
  RegisterClass<TStateScenario>("state_scenario");
  RegisterClass<TFlashScenario>("flash_scenario");
  RegisterClass<TStateMachineWidget>("statemachine_widget");
}

}  // namespace corvellane
