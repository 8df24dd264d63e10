// double_scene_level_manager.h: TDoubleSceneLevelManager, a level played in
// two halves of scenes side by side (find identical).
//
// The left half is the task's "scenename", the right one its "scenename2";
// each shows the 512-pixel window of its scene that starts at the scene's
// "identical_part_shift", and only objects within the window are built
// (left group 3, right group 4, shifted left by the shift). The right
// scene's background picture is renamed "img_SceneBackground_right" and
// its resources join the left one's for the loading screen.
//
// An object found in one half counts with its twin (the object of the same
// name) in the other: both animate (the clicked side's with the first find
// factory and the points) and both are recorded. Every pair is two
// targets, so the counts the screen shows are halved (halves to even); the
// level is won once, when both halves of the last pair are recorded.
#pragma once

#include "play/abstract_level_manager.h"

namespace corvellane {

class TDoubleSceneLevelManager : public TAbstractLevelManager {
 public:
  void ReleaseScenes() override;
  Ref<IResourceDefCollection> LoadScenes() override;
  bool SetupLevel() override;
  bool ClickObject(IWidget* widget, TPoint point) override;
  void ObjectActivated(IWidget* widget) override;
  int32_t GetRemaining() override;
  int32_t GetTotal() override;
  Ref<ISceneObjectLocation> FindLocationAt(ISceneObjectDef* object, TPoint point, IUGDScene* scene) override;
  void RunShowFactories() override;

  const TSceneSide& Left() const { return left_; }
  const TSceneSide& Right() const { return right_; }

 protected:
  TDoubleSceneLevelManager(const TModeRules& rules, std::string_view second_find_factory)
      : TAbstractLevelManager(rules), second_find_factory_(second_find_factory) {}

 private:
  // The side whose objects group holds the widget; none for another widget.
  TSceneSide* SideOf(IWidget* widget);
  TSceneSide& Other(const TSceneSide& side) { return &side == &left_ ? right_ : left_; }
  void MergeRightResources();
  // One object of the pair animates, stops catching clicks and activates.
  void StartFind(const TSceneSide& side, const TFindClick& click, bool with_points);

  std::string second_find_factory_;
  TSceneSide left_{nullptr, nullptr, TPlayGroup::LeftObjects, 0, true, "left_part/objects_group"};
  TSceneSide right_{nullptr, nullptr, TPlayGroup::RightObjects, 0, true, "right_part/objects_group"};
};

}  // namespace corvellane
