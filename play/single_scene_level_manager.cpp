#include "play/single_scene_level_manager.h"

namespace corvellane {

void TSingleSceneLevelManager::ReleaseScenes() {
  ReleaseSide(side_);
  TAbstractLevelManager::ReleaseScenes();
}

Ref<IResourceDefCollection> TSingleSceneLevelManager::LoadScenes() {
  ReleaseSide(side_);
  return OpenSide(side_, "scenename") ? side_.def->GetResourceDefs() : nullptr;
}

bool TSingleSceneLevelManager::SetupLevel() {
  if (!owner_ || !side_.def) return false;
  AddBackground("background_widget", nullptr);
  if (!BuildSide(side_)) return false;
  finish_found_ = !show_found_;
  return FinishSetup();
}

void TSingleSceneLevelManager::RunShowFactories() {
  if (side_.def) RunShowFactoriesOf(side_, side_.def->GetSceneShowFactories());
}

bool TSingleSceneLevelManager::ClickObject(IWidget* widget, TPoint point) {
  TFindClick click;
  click.point = point;
  if (!Resolve(widget, click) || !IsTarget(click.object.get())) {
    OnWrongObject(widget);
    return false;
  }
  const bool animated = find_factory_.empty() || RunFindFactory(find_factory_, click, side_.group_path);
  widget->SetMouseStop(false);
  ActivateClicked(side_, click, true);
  if (!animated) ObjectActivated(widget);
  return true;
}

void TSingleSceneLevelManager::ObjectActivated(IWidget* widget) {
  TFindClick click;
  if (!Resolve(widget, click) || !Discover(side_.scene.get(), click.object.get(), click.location.get())) return;
  CompleteFind(widget, true, true, click.object.get());
}

Ref<ISceneObjectLocation> TSingleSceneLevelManager::FindLocationAt(ISceneObjectDef* object, TPoint point,
                                                                   IUGDScene* scene) {
  return LocationAt(object, point, scene ? scene : side_.scene.get());
}

}  // namespace corvellane
