// scenario.h: TScenario, the base of the widgets that drive other widgets
// over time instead of drawing something themselves.
//
// A scenario lives in the widget tree like any widget: its group advances
// it, and when it has done its work it becomes dead and its group removes
// it. It keeps all group behaviour (children, factories, drawing and
// hit-testing of children), so it can hold the widgets it makes.
//
//   transparent_scenario.h   fades a target widget        ("transparent_scenario")
//   move_scenario.h          fades and moves one          ("move_scenario")
//   state_scenario.h         a small state machine        ("state_scenario")
//   test_scenario.h          fills the screen with a factory's widgets ("scenario")
#pragma once

#include "widgets/visual_group_widget.h"

namespace corvellane {

class TScenario : public TVisualGroupWidget {};

}  // namespace corvellane
