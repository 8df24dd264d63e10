// scenario_classes.h: registers the scenario widgets of this folder with
// the class registry ("scenario", "transparent_scenario", "move_scenario",
// "state_scenario", "flash_scenario", "statemachine_widget"); called once from game/class_list.cpp.
#pragma once

namespace corvellane {

void RegisterScenarioClasses();

}  // namespace corvellane
