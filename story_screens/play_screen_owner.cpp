// The play screen as the level manager, the panel manager, the play
// scenarios and the scene generator see it (IGameManagersOwner).
#include <algorithm>
#include <vector>

#include "engine/random_source.h"
#include "persistence/localization.h"
#include "shell/formatting.h"
#include "story/scene_generator.h"
#include "story_screens/play_screen.h"
#include "story_screens/widget_ops.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

IWidget* TCorvellaneGameScreenGame::Group(TPlayGroup group) {
  switch (group) {
    case TPlayGroup::Animation: return animation_group_.get();
    case TPlayGroup::Objects: return objects_group_.get();
    case TPlayGroup::LeftObjects: return left_objects_.get();
    case TPlayGroup::RightObjects: return right_objects_.get();
    case TPlayGroup::Background: return background_group_.get();
    default: return nullptr;
  }
}

Ref<IWidget> TCorvellaneGameScreenGame::CreateScreenWidget(std::string_view factory_name, IParamCollection* params) {
  return MakeFromFactory(GetWindowWidget().get(), factory_name, params);
}

Ref<IWidget> TCorvellaneGameScreenGame::CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location,
                                                          int32_t shift, TPlayGroup group) {
  if (!object) return nullptr;
  // A widget the generator made stands for the generator's copy of the
  // scene definition: from now on it stands for the caller's, so that a
  // click on it finds the level's own object.
  if (Ref<IWidget> existing = FindObjectWidget(object, location, group)) {
    BindSceneObject(existing.get(), object, location);
    std::erase(unclaimed_, existing);
    return existing;
  }
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  object->FillWidgetParams(location ? location->GetName() : std::string(), params.get());
  Ref<IWidget> widget = CreateScreenWidget("widget_sceneobject", params.get());
  if (!widget) return nullptr;
  widget->SetAnchorLeft(widget->GetAnchorLeft() - shift);
  BindSceneObject(widget.get(), object, location);
  widget->SetVisible(GetWindowWidget() && GetWindowWidget()->IsVisible());
  if (IWidget* target = Group(group)) target->GetWidgets()->Add(widget);
  return widget;
}

// The generator's objects go into the objects group, unshifted. Those it
// makes for the next try of a decided level wait hidden until it starts.
// Each stays unclaimed until the level takes it for one of its lists; what
// the level does not take leaves the scene when the level is set up.
Ref<IObject> TCorvellaneGameScreenGame::CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location) {
  if (Ref<IWidget> existing = object ? FindObjectWidget(object, location, TPlayGroup::Objects) : nullptr)
    return existing;
  Ref<IWidget> widget = CreateSceneObject(object, location, 0, TPlayGroup::Objects);
  if (!widget) return nullptr;
  if (decided_) widget->SetVisible(false);
  unclaimed_.push_back(widget);
  return widget;
}

void TCorvellaneGameScreenGame::RemoveUnclaimedObjects() {
  for (const Ref<IWidget>& widget : unclaimed_) ReleaseSceneObject(widget.get());
  unclaimed_.clear();
}

// Kept beside the widget's own properties: any widget type may stand for an object.
void TCorvellaneGameScreenGame::BindSceneObject(IWidget* widget, ISceneObjectDef* object,
                                                ISceneObjectLocation* location) {
  widget->SetExtraParam("sceneobjectdef", Variant(Ref<IObject>(object)));
  widget->SetExtraParam("location", Variant(Ref<IObject>(location)));
}

bool TCorvellaneGameScreenGame::ResolveSceneObject(IObject* scene_object, Ref<ISceneObjectDef>& object,
                                                   Ref<ISceneObjectLocation>& location) {
  Ref<IWidget> widget = QueryInterface<IWidget>(scene_object);
  if (!widget) return false;
  object = widget->GetProperty("sceneobjectdef").ToObject<ISceneObjectDef>();
  location = widget->GetProperty("location").ToObject<ISceneObjectLocation>();
  return object && location;
}

// A widget the generator made but did not place leaves the scene.
void TCorvellaneGameScreenGame::ReleaseSceneObject(IObject* scene_object) {
  Ref<IWidget> widget = QueryInterface<IWidget>(scene_object);
  IWidgetOwner* owner = widget ? widget->GetOwner() : nullptr;
  Ref<IWidget> group = QueryInterface<IWidget>(owner);
  if (!group || !group->GetWidgets()) return;
  widget->SetDead(true);
  group->GetWidgets()->RemoveDead();
}

Ref<ISceneObjectDef> TCorvellaneGameScreenGame::GetWidgetObject(IWidget* widget) {
  return widget ? widget->GetProperty("sceneobjectdef").ToObject<ISceneObjectDef>() : nullptr;
}

Ref<IWidget> TCorvellaneGameScreenGame::FindObjectWidget(ISceneObjectDef* object, ISceneObjectLocation* location,
                                                         TPlayGroup group) {
  IWidget* target = Group(group);
  if (!target) target = objects_group_.get();
  Ref<IWidgetCollection> children = target ? target->GetWidgets() : nullptr;
  if (!children || !object) return nullptr;
  if (location)
    if (Ref<IWidget> widget = children->GetWidgetByName(object->GetName() + "_" + location->GetName())) return widget;
  return children->GetWidgetByName(object->GetName());
}

Ref<IWidget> TCorvellaneGameScreenGame::FindAnyObjectWidget(ISceneObjectDef* object, TPlayGroup group,
                                                            ISceneObjectLocation* location) {
  if (!object) return nullptr;
  if (location) return FindObjectWidget(object, location, group);
  Ref<ISceneObjectLocationCollection> locations = object->GetLocations();
  for (int i = 0; locations && i < locations->Count(); ++i)
    if (Ref<IWidget> widget = FindObjectWidget(object, locations->Get(Variant(i)).get(), group)) return widget;
  return nullptr;
}

bool TCorvellaneGameScreenGame::PickHintTarget(std::string& prefix, Ref<IWidget>& widget, bool random) {
  const bool halves = TaskType() == static_cast<int32_t>(TTaskType::FindIdentical) || !objects_group_;
  IWidget* group = halves ? left_objects_.get() : objects_group_.get();
  if (!group || !level_ || !animation_group_) return false;
  const bool find_places = TaskType() == static_cast<int32_t>(TTaskType::FindPlaces);
  std::vector<Ref<IWidget>> candidates;
  Ref<IWidgetCollection> children = group->GetWidgets();
  for (int i = 0; children && i < children->Count(); ++i) {
    Ref<IWidget> child = children->GetWidgetAt(i);
    if (!child || !level_->IsTarget(GetWidgetObject(child.get()).get())) continue;
    if (animation_group_->FindWidget("hint_scenario" + child->GetName())) continue;
    if (find_places && child->IsVisible()) continue;
    candidates.push_back(child);
  }
  if (candidates.empty()) return false;
  widget = random ? candidates[GlobalRandom().Uniform(static_cast<uint32_t>(candidates.size()))] : candidates.front();
  prefix = halves ? "left_part/objects_group/" : "objects_group/";
  return true;
}

bool TCorvellaneGameScreenGame::PrepareScene(IUGDScene* scene) {
  if (!scene) return false;
  if (!scene->GetGenerated()) {
    Ref<TCorvellaneSceneGenerator> generator = CreateObject<TCorvellaneSceneGenerator>();
    generator->SetOwner(this);
    const bool generated = generator->GenerateScene(scene, -1);
    generator->ClearGenerator();
    generator->ClearOwner();
    if (generated && story_) story_->SaveToProfile();
  }
  if (!scene->GetGenerated()) return false;
  if (scene_.get() != scene) {
    second_scene_ = scene_;
    scene_ = Ref<IUGDScene>(scene);
  }
  return true;
}

void TCorvellaneGameScreenGame::AddToGroup(Ref<IWidget> widget, TPlayGroup group) {
  IWidget* target = Group(group);
  if (!target || !widget) return;
  ReplaceChild(target, std::move(widget));
}

void TCorvellaneGameScreenGame::UpdateTargetCounter() {
  if (count_text_ && level_) count_text_->SetProperty("text", Variant(std::to_string(level_->GetRemaining())));
}

std::string TCorvellaneGameScreenGame::MakeEffectName(std::string_view base) {
  std::string name(base);
  for (int suffix = 1; animation_group_ && animation_group_->FindWidget(name); ++suffix)
    name = std::string(base) + std::to_string(suffix);
  return name;
}

void TCorvellaneGameScreenGame::RunEffect(std::string_view factory_name, IParamCollection* params) {
  Ref<IParamCollection> effect_params(params);
  if (!effect_params) effect_params = CreateObject<TParamCollection>();
  effect_params->SetNamedValue("name", Variant(MakeEffectName(factory_name)));
  if (Ref<IWidget> effect = CreateScreenWidget(factory_name, effect_params.get()))
    AddToGroup(effect, TPlayGroup::Animation);
}

int32_t TCorvellaneGameScreenGame::GetTimeSinceFind() {
  return last_find_time_ < 0 ? screen_time_ : screen_time_ - last_find_time_;
}

void TCorvellaneGameScreenGame::ShowWidget(IWidget* widget, bool visible) {
  if (widget) widget->SetVisible(visible);
}

void TCorvellaneGameScreenGame::EnableItemObjects(IWidget* item_widget) {
  Ref<IPanelManager> manager = panel_ ? panel_->GetPanelManager() : nullptr;
  if (!manager || !item_widget) return;
  Ref<ISceneObjectDef> object;
  int32_t count = 0;
  if (!manager->GetItemInfo(item_widget, object, count) || !object) return;
  if (Ref<IWidget> widget = FindAnyObjectWidget(object.get(), TPlayGroup::Objects, nullptr))
    widget->SetMouseStop(true);
  if (TaskType() != static_cast<int32_t>(TTaskType::HiddenNames) || count <= 1 || !objects_group_) return;
  const std::string caption = Localize(object->GetCaption());
  Ref<IWidgetCollection> children = objects_group_->GetWidgets();
  for (int i = 0; i < children->Count(); ++i) {
    Ref<IWidget> child = children->GetWidgetAt(i);
    Ref<ISceneObjectDef> other = child ? GetWidgetObject(child.get()) : nullptr;
    if (other && Localize(other->GetCaption()) == caption) child->SetMouseStop(true);
  }
}

}  // namespace corvellane
