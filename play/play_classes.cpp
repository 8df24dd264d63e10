#include "play/play_classes.h"

#include "persistence/class_registry.h"
#include "play/anim_widget_scenarios.h"
#include "play/find_identical_level_manager.h"
#include "play/find_identical_panel_manager.h"
#include "play/find_obj_scenario.h"
#include "play/find_places_level_manager.h"
#include "play/find_places_panel_manager.h"
#include "play/fly_bonus_scenario.h"
#include "play/fly_widget.h"
#include "play/hidden_names_panel_manager.h"
#include "play/hidden_object_level_managers.h"
#include "play/hidden_parts_panel_manager.h"
#include "play/hidden_shapes_panel_manager.h"
#include "play/hint_scenario.h"
#include "play/item_list_panel_widget.h"
#include "play/level_flow_scenarios.h"
#include "play/panel_item_scenarios.h"

namespace corvellane {

void RegisterPlayClasses() {
  RegisterClass<TItemListPanelWidget>("obj_list_panel");
  RegisterClass<TFlyWidget>("fly_widget");
  RegisterClass<THiddenShapesPanelManager>("PanelManagerHiddenShapes");
  RegisterClass<THiddenNamesPanelManager>("PanelManagerHiddenNames");
  RegisterClass<TFindIdenticalPanelManager>("PanelManagerFindIdentical");
  RegisterClass<THiddenPartsPanelManager>("PanelManagerHiddenParts");
  RegisterClass<TFindPlacesPanelManager>("PanelManagerFindPlaces");
  RegisterClass<THiddenShapesLevelManager>("LevelManagerHiddenShapes");
  RegisterClass<THiddenNamesLevelManager>("LevelManagerHiddenNames");
  RegisterClass<TFindIdenticalLevelManager>("LevelManagerFindIdentical");
  RegisterClass<THiddenPartsLevelManager>("LevelManagerHiddenParts");
  RegisterClass<TFindPlacesLevelManager>("LevelManagerFindPlaces");
  RegisterClass<TStateScenarioSimpleMoveWidget>("state_scenario_move_widget");
  RegisterClass<TStateScenarioFindObj>("state_scenario_find_obj");
  RegisterClass<TStateScenarioHint>("state_scenario_hint");
  RegisterClass<TStateScenarioMovePanelItem>("state_scenario_panel_item_move");
  RegisterClass<TStateScenarioMovePanelItemPicture>("state_scenario_panel_item_picture_move");
  RegisterClass<TStateScenarioFlyBonus>("state_scenario_fly_bonus");
  RegisterClass<TStateScenarioPenalty>("state_scenario_penalty");
  RegisterClass<TStateScenarioGameStartLevel>("state_scenario_game_start_level");
  RegisterClass<TStateScenarioEndLevel>("state_scenario_end_level");
  RegisterClass<TStateScenarioCloseGameScreen>("state_scenario_close_screen");
}

}  // namespace corvellane
