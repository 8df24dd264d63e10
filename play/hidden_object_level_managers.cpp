#include "play/hidden_object_level_managers.h"

namespace corvellane {

std::vector<TListSpec> SceneObjectLists() {
  return {{"d_names", ""}, {"i_names", ""}, {"ho_names", "ho_names_discovered"}, {"io_names", "io_names_discovered"}};
}

THiddenShapesLevelManager::THiddenShapesLevelManager()
    : TSingleSceneLevelManager({TSceneObjectType::HiddenObject, "ho_names_discovered", "gamefield_find_obj_offset"}) {}

std::vector<TListSpec> THiddenShapesLevelManager::ListsOf(const TSceneSide&) const { return SceneObjectLists(); }

THiddenPartsLevelManager::THiddenPartsLevelManager()
    : TSingleSceneLevelManager({TSceneObjectType::HiddenPart, "hp_names_discovered", "gamefield_find_obj"}) {}

std::vector<TListSpec> THiddenPartsLevelManager::ListsOf(const TSceneSide&) const {
  std::vector<TListSpec> lists = SceneObjectLists();
  lists.push_back({"co_names", "", true, true});
  lists.push_back({"hp_names", "hp_names_discovered", true, true});
  lists.push_back({"hp_names", "hp_names_discovered", false});
  return lists;
}

}  // namespace corvellane
