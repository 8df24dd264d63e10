#include "play/find_places_level_manager.h"

#include "story/object_list.h"

namespace corvellane {

namespace {

constexpr std::string_view kChosenKey = "do_names";

}  // namespace

TFindPlacesLevelManager::TFindPlacesLevelManager()
    : TSingleSceneLevelManager({TSceneObjectType::ObjectToPlace, "do_names_placed", ""}) {}

std::vector<TListSpec> TFindPlacesLevelManager::ListsOf(const TSceneSide&) const {
  return {{"d_names", ""}, {"i_names", ""}, {kChosenKey, "do_names_placed", true, false, true}};
}

bool TFindPlacesLevelManager::SetupLevel() {
  show_found_ = true;
  judged_.clear();
  return TSingleSceneLevelManager::SetupLevel();
}

bool TFindPlacesLevelManager::ClickObject(IWidget* widget, TPoint point) {
  TFindClick click;
  click.point = point;
  const bool placed = Resolve(widget, click) && click.object->GetObjectType() == static_cast<int32_t>(mode_) &&
                      ListHas(DiscoveredList(side_.scene.get()), click.object->GetName() + "/" + click.location->GetName());
  if (!placed || !judged_.insert(click.object->GetName() + "/" + click.location->GetName()).second) {
    OnWrongObject(widget);
    return false;
  }
  widget->SetMouseStop(false);
  ActivateClicked(side_, click, true);
  return true;
}

bool TFindPlacesLevelManager::Discover(IUGDScene* scene, ISceneObjectDef* object, ISceneObjectLocation* location) {
  if (scene && object && location) {
    Ref<IParamCollection> params = scene->GetParams();
    std::string chosen = params->GetNamedValue(kChosenKey, Variant(kEmptyList)).ToText();
    const std::string placed = DiscoveredList(scene);
    const std::string entry = object->GetName() + "/" + location->GetName();
    if (!ListHas(chosen, entry)) {
      Ref<ISceneObjectLocationCollection> locations = object->GetLocations();
      for (int i = 0; i < locations->Count(); ++i) {
        const std::string other = object->GetName() + "/" + locations->Get(Variant(i))->GetName();
        if (!ListHas(chosen, other) || ListHas(placed, other)) continue;
        chosen.replace(chosen.find(";" + other + ";") + 1, other.size(), entry);
        params->SetNamedValue(kChosenKey, Variant(chosen));
        break;
      }
    }
  }
  return TSingleSceneLevelManager::Discover(scene, object, location);
}

}  // namespace corvellane
