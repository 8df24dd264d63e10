#include "play/abstract_level_manager.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "persistence/log.h"
#include "persistence/number_text.h"
#include "play/play_formulas.h"
#include "story/object_list.h"
#include "story/task_scenes.h"

namespace corvellane {

namespace {

// A click point off the screen's corner shows its points in the middle.
constexpr TPoint kScreenMiddle{512, 384};
// How far outside a location's rectangle a placing click still counts.
constexpr double kPlaceTolerance = 10.0;

std::string Text(IParamCollection* params, std::string_view key, std::string_view fallback) {
  return params ? params->GetNamedValue(key, Variant(fallback)).ToText() : std::string(fallback);
}

}  // namespace

bool IsSpecialPart(ISceneObjectDef& object) {
  if (object.GetObjectType() != static_cast<int32_t>(TSceneObjectType::HiddenPart)) return false;
  Ref<ISceneObjectLocationCollection> locations = object.GetLocations();
  return locations->Count() == 1 && locations->Get(Variant(0))->GetName() == kSpecialLocation;
}

TAbstractLevelManager::TAbstractLevelManager(const TModeRules& rules)
    : mode_(rules.mode), discovered_key_(rules.discovered_key), find_factory_(rules.find_factory) {}

void TAbstractLevelManager::SetOwner(IGameManagersOwner* owner) {
  owner_ = owner;
  Ref<IItemListPanel> panel = owner ? owner->GetPanelWidget() : nullptr;
  panel_ = panel ? panel->GetPanelManager() : nullptr;
  targets_.clear();
  remaining_ = total_ = 0;
  show_found_ = finish_found_ = decided_ = false;
}

void TAbstractLevelManager::ReleaseScenes() {
  targets_.clear();
  panel_ = nullptr;
  owner_ = nullptr;
}

std::vector<Ref<ISceneObjectDef>> TAbstractLevelManager::Targets() const {
  std::vector<Ref<ISceneObjectDef>> open;
  for (const Ref<ISceneObjectDef>& target : targets_)
    if (target) open.push_back(target);
  return open;
}

void TAbstractLevelManager::ResetDiscovered(IUGDScene* scene) {
  if (scene) scene->GetParams()->SetNamedValue(discovered_key_, Variant(kEmptyList));
}

std::string TAbstractLevelManager::GetDiscovered(IUGDScene* scene) { return DiscoveredList(scene); }

std::string TAbstractLevelManager::DiscoveredList(IUGDScene* scene) const {
  const std::string list = scene ? Text(scene->GetParams().get(), discovered_key_, kEmptyList) : std::string();
  return list.empty() ? std::string(kEmptyList) : list;
}

bool TAbstractLevelManager::IsTarget(ISceneObjectDef* object) {
  if (!object || object->GetObjectType() != static_cast<int32_t>(mode_)) return false;
  if (std::find(targets_.begin(), targets_.end(), Ref<ISceneObjectDef>(object)) == targets_.end()) return false;
  // Without a panel every target counts; with one, only those in view.
  return !panel_ || panel_->IsShown(object);
}

IResourceEngine* TAbstractLevelManager::GetSceneResourceManager() {
  IGameScreenOwner* game = owner_ ? owner_->GetGameScreenOwner() : nullptr;
  return game ? game->GetEngine() : nullptr;
}

bool TAbstractLevelManager::Discover(IUGDScene* scene, ISceneObjectDef* object, ISceneObjectLocation* location) {
  auto target = std::find(targets_.begin(), targets_.end(), Ref<ISceneObjectDef>(object));
  if (!object || !location || !scene || target == targets_.end()) return false;
  if (panel_) panel_->MarkFound(object);
  const std::string entry = object->GetName() + "/" + location->GetName();
  std::string list = DiscoveredList(scene);
  if (!ListHas(list, entry)) list += entry + ";";
  scene->GetParams()->SetNamedValue(discovered_key_, Variant(list));
  *target = nullptr;
  remaining_ = std::max(remaining_ - 1, 0);
  if (owner_) owner_->UpdateTargetCounter();
  return true;
}

void TAbstractLevelManager::CheckWon() {
  if (decided_ || remaining_ > 0 || total_ == 0 || !owner_) return;
  decided_ = true;
  owner_->WinLevel();
}

bool TAbstractLevelManager::FinishSetup() {
  if (total_ == 0) {
    LogWarning(GetName() + ": the scene holds no object to find for the task; the level is not played");
    return false;
  }
  if (remaining_ == 0) {
    LogWarning(GetName() + ": every object of the level was found before; the level counts as won");
    CheckWon();
  }
  return true;
}

void TAbstractLevelManager::AddTarget(ISceneObjectDef& object) {
  targets_.emplace_back(&object);
  ++remaining_;
  ++total_;
}

// ---- Scenes ----

bool TAbstractLevelManager::OpenSide(TSceneSide& side, std::string_view scene_param) {
  Ref<IUGDTask> task = owner_ ? owner_->GetTask() : nullptr;
  Ref<IUGDCase> story_case = owner_ ? owner_->GetCurrentCase() : nullptr;
  Ref<ISceneDefRefCollection> refs = owner_ ? owner_->GetSceneDefRefs() : nullptr;
  if (!task || !story_case || !refs) {
    LogWarning(GetName() + ": no task, case or scene list to load the level from");
    return false;
  }
  const std::string name = Text(task->GetParams().get(), scene_param, "");
  side.scene = story_case->GetScenes()->Get(Variant(name));
  Ref<ISceneDefRef> ref = FindSceneDefRef(*refs, *story_case, name);
  side.def = ref ? ref->OpenSceneDef() : nullptr;
  if (!side.scene || !side.def || !side.def->IsLoadedFromFile()) {
    LogWarning(GetName() + ": the task \"" + task->GetName() + "\" names the scene \"" + name + "\" (\"" +
               std::string(scene_param) + "\"), which its case or the scene list cannot give");
    side.def = nullptr;
    return false;
  }
  side.def->SetOwner(this);
  return true;
}

void TAbstractLevelManager::ReleaseSide(TSceneSide& side) {
  if (side.def) side.def->ClearOwner();
  side.def = nullptr;
  side.scene = nullptr;
}

void TAbstractLevelManager::RunShowFactoriesOf(const TSceneSide& side, const std::string& names) {
  if (!side.def || !owner_) return;
  Ref<IUserGameData> story = owner_->GetUserGameData();
  for (const std::string& name : SplitList(names)) {
    Ref<TParamCollection> params = CreateObject<TParamCollection>();
    params->SetNamedValue("play_mode", Variant(FormatInt(story ? story->GetSelectedCopy() : 0)));
    Ref<IWidget> widget = side.def->CreateSceneWidget(name, params.get());
    if (!widget) {
      LogWarning(GetName() + ": the scene \"" + side.def->GetName() + "\" has no factory \"" + name + "\" to show");
      continue;
    }
    widget->SetAnchorLeft(widget->GetAnchorLeft() - side.shift);
    owner_->AddToGroup(widget, side.group);
  }
}

bool TAbstractLevelManager::AddBackground(std::string_view factory, IParamCollection* params) {
  Ref<IWidget> background = owner_ ? owner_->CreateScreenWidget(factory, params) : nullptr;
  if (!background) {
    LogWarning(GetName() + ": the play screen has no factory \"" + std::string(factory) + "\"; no background");
    return false;
  }
  owner_->AddToGroup(background, TPlayGroup::Background);
  return true;
}

// ---- Finds ----

bool TAbstractLevelManager::Resolve(IWidget* widget, TFindClick& click) {
  click.widget = widget;
  return owner_ && widget && owner_->ResolveSceneObject(widget, click.object, click.location) && click.object &&
         click.location;
}

bool TAbstractLevelManager::RunFindFactory(std::string_view factory, const TFindClick& click,
                                           std::string_view group_path) {
  const std::string name = click.widget->GetName();
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  // Twins in the two halves bear the same name: each animation gets its own.
  params->SetNamedValue("name", Variant(owner_->MakeEffectName(name)));
  params->SetNamedValue("widgetname", Variant(std::string(group_path) + "/" + name));
  if (panel_) panel_->SetFlyTarget(click.object.get(), params.get());
  Ref<IWidget> animation = owner_->CreateScreenWidget(factory, params.get());
  if (!animation) {
    LogWarning(GetName() + ": the play screen has no factory \"" + std::string(factory) +
               "\"; the find is recorded without its animation");
    return false;
  }
  owner_->AddToGroup(animation, TPlayGroup::Animation);
  return true;
}

void TAbstractLevelManager::ActivateClicked(const TSceneSide& side, const TFindClick& click, bool with_points) {
  Activate(side, *click.object, {click.point, click.widget, click.location.get(), with_points});
}

void TAbstractLevelManager::CompleteFind(IWidget* widget, bool found, bool use, ISceneObjectDef* object) {
  if (found && use && panel_) panel_->UseObject(object);
  if (owner_) owner_->ShowWidget(widget, show_found_);
  if (finish_found_ && widget) widget->SetDead(true);
  CheckWon();
}

Ref<IWidget> TAbstractLevelManager::Activate(const TSceneSide& side, ISceneObjectDef& object,
                                             const TActivation& how) {
  if (!owner_ || !side.def) return nullptr;
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  // Scene coordinates: the new widget goes into the side's group at x - shift.
  const double left = how.widget ? how.widget->GetAnchorLeft() + side.shift
                                  : (how.location ? how.location->GetAnchorLeft() : 0);
  const double top = how.widget ? how.widget->GetAnchorTop() : (how.location ? how.location->GetAnchorTop() : 0);
  params->SetNamedValue("anchor_left", Variant(FormatFloat(left)));
  params->SetNamedValue("anchor_top", Variant(FormatFloat(top)));
  if (how.with_points) ShowFindPoints(object, how.point);

  const std::string on_start = object.GetIfActivatedOnStartFactory();
  const std::string factory = !how.widget && !on_start.empty() ? on_start : object.GetOnActivationFactory();
  if (factory.empty()) return nullptr;
  Ref<IWidget> target = how.widget ? Ref<IWidget>(how.widget)
                                   : owner_->FindObjectWidget(&object, how.location, side.group);
  params->SetNamedValue("widgetname", Variant(target ? target->GetName()
                                                     : object.GetName() + "_" +
                                                           (how.location ? how.location->GetName() : "")));
  const double zoom = target ? target->GetPropertyOr("zoom", Variant(1.0)).ToFloat(1.0)
                             : (how.location ? how.location->GetZoomX() : 1.0);
  const double angle = target ? target->GetPropertyOr("angle", Variant(0.0)).ToFloat(0.0)
                              : (how.location ? how.location->GetAngle() : 0.0);
  params->SetNamedValue("zoom", Variant(FormatFloat(zoom)));
  params->SetNamedValue("angle", Variant(FormatFloat(angle)));
  Ref<IWidget> effect = side.def->CreateSceneWidget(factory, params.get());
  if (!effect) {
    LogWarning(GetName() + ": the scene \"" + side.def->GetName() + "\" has no factory \"" + factory +
               "\" for \"" + object.GetName() + "\"");
    return nullptr;
  }
  if (object.GetHideOnActivation() && target) owner_->ShowWidget(target.get(), false);
  effect->SetAnchorLeft(effect->GetAnchorLeft() - side.shift);
  owner_->AddToGroup(effect, side.group);
  return effect;
}

void TAbstractLevelManager::ShowFindPoints(ISceneObjectDef& object, TPoint point) {
  if (point.x < 1 || point.y < 1) point = kScreenMiddle;
  const int32_t points = FindPoints(owner_->GetTimeSinceFind());
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  params->SetNamedValue("x", Variant(FormatInt(point.x)));
  params->SetNamedValue("y", Variant(FormatInt(point.y)));
  params->SetNamedValue("caption", Variant(object.GetCaption()));
  params->SetNamedValue("value", Variant(FormatInt(points)));
  owner_->AddScore(points);
  owner_->RunEffect(score_factory_, params.get());
}

Ref<ISceneObjectLocation> TAbstractLevelManager::LocationAt(ISceneObjectDef* object, TPoint point,
                                                            IUGDScene* scene) {
  if (!object || !scene) return nullptr;
  const std::string discovered = DiscoveredList(scene);
  const double half_width = object->GetWidth() / 2;
  const double half_height = object->GetHeight() / 2;
  Ref<ISceneObjectLocationCollection> locations = object->GetLocations();
  Ref<ISceneObjectLocation> match;
  for (int i = 0; i < locations->Count(); ++i) {
    Ref<ISceneObjectLocation> location = locations->Get(Variant(i));
    const double reach_x = std::abs(location->GetZoomX()) * half_width + kPlaceTolerance;
    const double reach_y = std::abs(location->GetZoomY()) * half_height + kPlaceTolerance;
    const bool inside = std::abs(point.x - static_cast<double>(location->GetAnchorLeft())) < reach_x &&
                        std::abs(point.y - static_cast<double>(location->GetAnchorTop())) < reach_y;
    if (inside && !ListHas(discovered, object->GetName() + "/" + location->GetName())) match = location;
  }
  return match;
}

}  // namespace corvellane
