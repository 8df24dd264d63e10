#include "play/double_scene_level_manager.h"

#include <cmath>

#include "persistence/number_text.h"

namespace corvellane {

namespace {

constexpr std::string_view kBackground = "img_SceneBackground";
constexpr std::string_view kRightBackground = "img_SceneBackground_right";

int32_t HalfToEven(int32_t count) { return static_cast<int32_t>(std::nearbyint(count / 2.0)); }

}  // namespace

void TDoubleSceneLevelManager::ReleaseScenes() {
  ReleaseSide(left_);
  ReleaseSide(right_);
  TAbstractLevelManager::ReleaseScenes();
}

Ref<IResourceDefCollection> TDoubleSceneLevelManager::LoadScenes() {
  ReleaseSide(left_);
  ReleaseSide(right_);
  if (!OpenSide(left_, "scenename") || !OpenSide(right_, "scenename2")) return nullptr;
  left_.shift = left_.def->GetIdenticalPartShift();
  right_.shift = right_.def->GetIdenticalPartShift();
  MergeRightResources();
  return left_.def->GetResourceDefs();
}

void TDoubleSceneLevelManager::MergeRightResources() {
  Ref<IResourceDefCollection> left = left_.def->GetResourceDefs();
  Ref<IResourceDefCollection> right = right_.def->GetResourceDefs();
  if (Ref<IResourceDef> background = right->GetDef(Variant(kBackground))) {
    right->DeleteItem(Variant(kBackground));
    right->SetDef(kRightBackground, background->GetType(), background->GetTypeParams(), background->GetFile());
  }
  for (int i = 0; i < right->Count(); ++i) {
    Ref<IResourceDef> def = right->GetDef(Variant(i));
    if (def && !left->GetDef(Variant(def->GetName())))
      left->SetDef(def->GetName(), def->GetType(), def->GetTypeParams(), def->GetFile());
  }
}

bool TDoubleSceneLevelManager::SetupLevel() {
  if (!owner_ || !left_.def || !right_.def) return false;
  for (auto [side, factory] : {std::pair{&left_, "left_background_part_widget"},
                               std::pair{&right_, "right_background_part_widget"}}) {
    Ref<TParamCollection> params = CreateObject<TParamCollection>();
    params->SetNamedValue("resourceleft", Variant(FormatInt(side->shift)));
    AddBackground(factory, params.get());
  }
  if (!BuildSide(left_) || !BuildSide(right_)) return false;
  finish_found_ = true;
  return FinishSetup();
}

void TDoubleSceneLevelManager::RunShowFactories() {
  for (const TSceneSide* side : {&left_, &right_})
    if (side->def) RunShowFactoriesOf(*side, side->def->GetIdenticalShowFactories());
}

TSceneSide* TDoubleSceneLevelManager::SideOf(IWidget* widget) {
  if (!owner_ || !widget) return nullptr;
  for (TSceneSide* side : {&left_, &right_})
    if (owner_->FindScreenWidget(std::string(side->group_path) + "/" + widget->GetName()).get() == widget) return side;
  return nullptr;
}

bool TDoubleSceneLevelManager::ClickObject(IWidget* widget, TPoint point) {
  TFindClick click;
  click.point = point;
  TSceneSide* side = SideOf(widget);
  if (!side || !Resolve(widget, click) || !IsTarget(click.object.get())) {
    OnWrongObject(widget);
    return false;
  }
  TSceneSide& other = Other(*side);
  TFindClick twin;
  Ref<ISceneObjectDef> twin_object = panel_ ? panel_->GetTwin(click.object.get()) : nullptr;
  Ref<IWidget> twin_widget = twin_object ? owner_->FindAnyObjectWidget(twin_object.get(), other.group, nullptr)
                                         : nullptr;
  const bool paired = twin_widget && Resolve(twin_widget.get(), twin) && IsTarget(twin.object.get());
  // The points go with the left object of a pair, or with a lone one.
  StartFind(*side, click, side == &left_ || !paired);
  if (paired) {
    twin.point = point;
    StartFind(other, twin, &other == &left_);
  }
  return true;
}

void TDoubleSceneLevelManager::StartFind(const TSceneSide& side, const TFindClick& click, bool with_points) {
  const std::string_view factory = &side == &left_ ? std::string_view(find_factory_) : second_find_factory_;
  const bool animated = RunFindFactory(factory, click, side.group_path);
  click.widget->SetMouseStop(false);
  ActivateClicked(side, click, with_points);
  if (!animated) ObjectActivated(click.widget);
}

void TDoubleSceneLevelManager::ObjectActivated(IWidget* widget) {
  TSceneSide* side = SideOf(widget);
  TFindClick click;
  if (!side || !Resolve(widget, click)) return;
  const bool found = Discover(side->scene.get(), click.object.get(), click.location.get());
  CompleteFind(widget, found, side == &left_, click.object.get());
}

int32_t TDoubleSceneLevelManager::GetRemaining() { return HalfToEven(TAbstractLevelManager::GetRemaining()); }

int32_t TDoubleSceneLevelManager::GetTotal() { return HalfToEven(TAbstractLevelManager::GetTotal()); }

Ref<ISceneObjectLocation> TDoubleSceneLevelManager::FindLocationAt(ISceneObjectDef* object, TPoint point,
                                                                   IUGDScene* scene) {
  if (scene) return LocationAt(object, point, scene);
  if (Ref<ISceneObjectLocation> found = LocationAt(object, point, left_.scene.get())) return found;
  return LocationAt(object, point, right_.scene.get());
}

}  // namespace corvellane
