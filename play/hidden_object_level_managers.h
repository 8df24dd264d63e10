// hidden_object_level_managers.h: the level managers of the modes in which
// the player clicks hidden things in one scene.
//
//   class                        type name                    targets          find factory
//   THiddenShapesLevelManager    "LevelManagerHiddenShapes"   hidden objects   "gamefield_find_obj_offset"
//   THiddenNamesLevelManager     "LevelManagerHiddenNames"    hidden objects   "gamefield_find_obj_offset"
//   THiddenPartsLevelManager     "LevelManagerHiddenParts"    hidden parts     "gamefield_find_obj"
//
// All three build the scene's decorations ("d_names", "i_names"), its
// hidden and identical objects ("ho_names", "io_names" with their
// discovered lists) and, for hidden parts, the panel's complete objects
// ("co_names") and parts ("hp_names", marked found when discovered or
// special) before the parts themselves, which catch clicks without panel
// entries of their own. Found objects are recorded in "ho_names_discovered"
// (hidden parts: "hp_names_discovered").
#pragma once

#include "play/single_scene_level_manager.h"

namespace corvellane {

class THiddenShapesLevelManager : public TSingleSceneLevelManager {
 public:
  THiddenShapesLevelManager();

 protected:
  std::vector<TListSpec> ListsOf(const TSceneSide& side) const override;
};

class THiddenNamesLevelManager : public THiddenShapesLevelManager {};

class THiddenPartsLevelManager : public TSingleSceneLevelManager {
 public:
  THiddenPartsLevelManager();

 protected:
  std::vector<TListSpec> ListsOf(const TSceneSide& side) const override;
};

// The lists every mode but find places builds first, in order.
std::vector<TListSpec> SceneObjectLists();

}  // namespace corvellane
