// find_places_level_manager.h: TFindPlacesLevelManager
// ("LevelManagerFindPlaces"), the level in which the player takes objects
// from the panel and puts each where it belongs.
//
// The scene's decorations ("d_names", "i_names") and the objects to place
// ("do_names") are built; an object to place has a hidden widget at every
// one of its locations, shown once it is placed there ("do_names_placed").
// The play screen asks FindLocationAt where a carried object is dropped,
// records the placing (ObjectActivated), then lets the click be judged
// (ClickObject): a placing just recorded counts once, with the activation
// and the points; there is no find animation. An object may be placed at
// any of its locations: a
// location the generator did not choose takes the place of the first
// chosen one not placed yet in "do_names".
#pragma once

#include <set>
#include <string>

#include "play/single_scene_level_manager.h"

namespace corvellane {

class TFindPlacesLevelManager : public TSingleSceneLevelManager {
 public:
  TFindPlacesLevelManager();
  bool SetupLevel() override;
  bool ClickObject(IWidget* widget, TPoint point) override;

 protected:
  bool Discover(IUGDScene* scene, ISceneObjectDef* object, ISceneObjectLocation* location) override;
  std::vector<TListSpec> ListsOf(const TSceneSide& side) const override;

 private:
  // The placings whose click was judged ("vase/l2").
  std::set<std::string> judged_;
};

}  // namespace corvellane
