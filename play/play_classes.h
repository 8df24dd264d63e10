// play_classes.h: registering the play layer's classes by type name.
//
//   RegisterPlayClasses();   // from RegisterAllGameClasses (game/class_list.cpp)
#pragma once

namespace corvellane {

// The level managers ("LevelManagerHiddenShapes"...), the panel managers
// ("PanelManagerHiddenShapes"...), the object panel ("obj_list_panel"), the
// fly widget ("fly_widget") and the play scenarios ("state_scenario_find_obj"...),
// so the play screen and its data can name them.
void RegisterPlayClasses();

}  // namespace corvellane
