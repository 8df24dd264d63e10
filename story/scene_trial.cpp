#include "story/scene_trial.h"

#include <algorithm>

namespace corvellane {

std::string TScenePick::Entry() const { return object_->GetName() + "/" + location_->GetName(); }

Ref<IObject> TSceneTrialOwner::CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location) {
  if (!object || !location) return nullptr;
  Ref<TScenePick> pick = MakeRef<TScenePick>(Ref<ISceneObjectDef>(object), Ref<ISceneObjectLocation>(location));
  live_.push_back(pick);
  return pick;
}

bool TSceneTrialOwner::ResolveSceneObject(IObject* scene_object, Ref<ISceneObjectDef>& object,
                                          Ref<ISceneObjectLocation>& location) {
  auto* pick = dynamic_cast<TScenePick*>(scene_object);
  if (!pick) return false;
  object = pick->Object();
  location = pick->Location();
  return true;
}

void TSceneTrialOwner::ReleaseSceneObject(IObject* scene_object) {
  std::erase_if(live_, [&](const Ref<TScenePick>& pick) { return pick.get() == scene_object; });
}

std::vector<std::string> TSceneTrialOwner::LiveObjects() const {
  std::vector<std::string> entries;
  for (const Ref<TScenePick>& pick : live_) entries.push_back(pick->Entry());
  return entries;
}

}  // namespace corvellane
