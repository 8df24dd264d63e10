#include "play/find_identical_level_manager.h"

#include "play/hidden_object_level_managers.h"

namespace corvellane {

TFindIdenticalLevelManager::TFindIdenticalLevelManager()
    : TDoubleSceneLevelManager({TSceneObjectType::IdenticalObject, "io_names_discovered", "gamefield_find_obj_offset"},
                               "gamefield_find_obj_secondary") {}

std::vector<TListSpec> TFindIdenticalLevelManager::ListsOf(const TSceneSide&) const { return SceneObjectLists(); }

}  // namespace corvellane
