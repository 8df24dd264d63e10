// single_scene_level_manager.h: TSingleSceneLevelManager, a level played in
// one scene (hidden shapes, hidden names, hidden parts, find places).
//
// The scene is the task's "scenename"; its objects go into the objects
// group (2) unshifted, its pictures into the background group (5) through
// the screen factory "background_widget", and its definition's
// "scene_show_factories" into the objects group. A find is recorded when
// its animation ends (ObjectActivated): the panel gives up the object, the
// widget is shown (find places) or hidden, finished in every mode but find
// places, and the level is won after the last target.
#pragma once

#include "play/abstract_level_manager.h"

namespace corvellane {

class TSingleSceneLevelManager : public TAbstractLevelManager {
 public:
  void ReleaseScenes() override;
  Ref<IResourceDefCollection> LoadScenes() override;
  bool SetupLevel() override;
  bool ClickObject(IWidget* widget, TPoint point) override;
  void ObjectActivated(IWidget* widget) override;
  Ref<ISceneObjectLocation> FindLocationAt(ISceneObjectDef* object, TPoint point, IUGDScene* scene) override;
  void RunShowFactories() override;

  const TSceneSide& Side() const { return side_; }

 protected:
  using TAbstractLevelManager::TAbstractLevelManager;

  TSceneSide side_{nullptr, nullptr, TPlayGroup::Objects, 0, false, "objects_group"};
};

}  // namespace corvellane
