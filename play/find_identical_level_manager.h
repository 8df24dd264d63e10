// find_identical_level_manager.h: TFindIdenticalLevelManager
// ("LevelManagerFindIdentical"), the level of the find-identical mode: the
// identical objects of two scenes side by side, found in pairs
// (double_scene_level_manager.h).
//
// Targets are the identical objects ("io_names"); finds are recorded in
// each scene's "io_names_discovered". The left object animates with
// "gamefield_find_obj_offset", the right one with
// "gamefield_find_obj_secondary".
#pragma once

#include "play/double_scene_level_manager.h"

namespace corvellane {

class TFindIdenticalLevelManager : public TDoubleSceneLevelManager {
 public:
  TFindIdenticalLevelManager();

 protected:
  std::vector<TListSpec> ListsOf(const TSceneSide& side) const override;
};

}  // namespace corvellane
