// The scene's widgets and targets, built from the generated object lists
// (abstract_level_manager.h).
#include <string>

#include "persistence/log.h"
#include "play/abstract_level_manager.h"
#include "story/object_list.h"

namespace corvellane {

namespace {

// The width of each half in the find-identical mode.
constexpr int32_t kHalfWidth = 512;

}  // namespace

bool TAbstractLevelManager::BuildSide(const TSceneSide& side) {
  if (!owner_ || !side.scene || !side.def) return false;
  if (!owner_->PrepareScene(side.scene.get())) {
    LogWarning(GetName() + ": the scene \"" + side.scene->GetName() + "\" could not be generated");
    return false;
  }
  std::vector<Ref<IWidget>> started;
  for (const TListSpec& list : ListsOf(side)) BuildList(side, list, started);
  // Start effects show their state at once, not one frame late.
  for (const Ref<IWidget>& widget : started) widget->Update(0);
  return true;
}

void TAbstractLevelManager::BuildList(const TSceneSide& side, const TListSpec& list,
                                      std::vector<Ref<IWidget>>& started) {
  Ref<IParamCollection> params = side.scene->GetParams();
  const std::string names = params->GetNamedValue(list.names_key, Variant(kEmptyList)).ToText();
  const std::string discovered =
      list.discovered_key.empty() ? std::string(kEmptyList)
                                  : params->GetNamedValue(list.discovered_key, Variant(kEmptyList)).ToText();
  for (const std::string& entry : SplitList(names)) {
    Ref<ISceneObjectDef> object = side.def->GetObjectDefs()->Get(Variant(ObjectOfEntry(entry)));
    if (!object) {
      LogWarning(GetName() + ": \"" + std::string(list.names_key) + "\" of the scene \"" + side.scene->GetName() +
                 "\" names \"" + entry + "\", an object its definition does not have; skipped");
      continue;
    }
    const bool found = IsSpecialPart(*object) || ListHas(discovered, entry);
    if (list.panel_only) {
      if (panel_) panel_->AddPanelItem(object.get());
      if (found && panel_) panel_->MarkFound(object.get());
      continue;
    }
    if (object->GetLocations()->Count() == 0) continue;
    Ref<ISceneObjectLocation> location = object->GetLocations()->Get(Variant(LocationOfEntry(entry)));
    if (found) {
      AddFoundEntry(side, list, *object, location.get(), started);
    } else if (!location) {
      LogWarning(GetName() + ": \"" + std::string(list.names_key) + "\" of the scene \"" + side.scene->GetName() +
                 "\" names \"" + entry + "\", a location the object does not have; skipped");
      continue;
    } else {
      AddOpenEntry(side, list, *object, *location);
    }
    if (list.all_locations) AddHiddenPlaces(side, *object, location.get());
  }
}

void TAbstractLevelManager::AddFoundEntry(const TSceneSide& side, const TListSpec& list, ISceneObjectDef& object,
                                          ISceneObjectLocation* location, std::vector<Ref<IWidget>>& started) {
  if (object.GetObjectType() == static_cast<int32_t>(mode_)) ++total_;
  if (list.all_locations && location)
    owner_->ShowWidget(owner_->CreateSceneObject(&object, location, side.shift, side.group).get(), true);
  const std::string on_start = object.GetIfActivatedOnStartFactory();
  const bool has_effect = !on_start.empty() || !object.GetOnActivationFactory().empty();
  if (!has_effect || on_start == "nothing") return;
  if (Ref<IWidget> effect = Activate(side, object, {{}, nullptr, location, false})) started.push_back(effect);
}

void TAbstractLevelManager::AddOpenEntry(const TSceneSide& side, const TListSpec& list, ISceneObjectDef& object,
                                         ISceneObjectLocation& location) {
  if (side.windowed && !InWindow(side, object, location)) return;
  Ref<IWidget> widget = owner_->CreateSceneObject(&object, &location, side.shift, side.group);
  if (!widget) {
    LogWarning(GetName() + ": no widget could be made for \"" + object.GetName() + "/" + location.GetName() +
               "\"; it is left out");
    return;
  }
  owner_->ShowWidget(widget.get(), !list.all_locations);
  if (object.GetObjectType() != static_cast<int32_t>(mode_)) return;
  AddTarget(object);
  if (!list.panel_entries || !panel_) {
    widget->SetMouseStop(true);
    return;
  }
  panel_->AddPanelItem(&object);
  widget->SetMouseStop(panel_->IsShown(&object));
  panel_->ApplyLocation(&location);
}

void TAbstractLevelManager::AddHiddenPlaces(const TSceneSide& side, ISceneObjectDef& object,
                                            ISceneObjectLocation* placed) {
  Ref<ISceneObjectLocationCollection> locations = object.GetLocations();
  for (int i = 0; i < locations->Count(); ++i) {
    Ref<ISceneObjectLocation> location = locations->Get(Variant(i));
    if (location.get() == placed || owner_->FindObjectWidget(&object, location.get(), side.group)) continue;
    owner_->ShowWidget(owner_->CreateSceneObject(&object, location.get(), side.shift, side.group).get(), false);
  }
}

bool TAbstractLevelManager::InWindow(const TSceneSide& side, const ISceneObjectDef& object,
                                     const ISceneObjectLocation& location) const {
  const int64_t left = int64_t{location.GetAnchorLeft()} - side.shift;
  const int64_t half = object.GetWidth() / 2;
  return left + half > 0 && left - half < kHalfWidth;
}

}  // namespace corvellane
