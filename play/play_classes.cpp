#include "play/play_classes.h"

#include "persistence/class_registry.h"
#include "play/find_identical_level_manager.h"
#include "play/find_identical_panel_manager.h"
#include "play/find_places_level_manager.h"
#include "play/find_places_panel_manager.h"
#include "play/fly_widget.h"
#include "play/hidden_names_panel_manager.h"
#include "play/hidden_object_level_managers.h"
#include "play/hidden_parts_panel_manager.h"
#include "play/hidden_shapes_panel_manager.h"
#include "play/item_list_panel_widget.h"

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
}

}  // namespace corvellane
