#include "story_screens/map_screen.h"

#include <algorithm>

#include "engine/engine_interface.h"
#include "engine/game_interface.h"
#include "engine/random_source.h"
#include "persistence/localization.h"
#include "persistence/log.h"
#include "persistence/object_io.h"
#include "records/game_records_interface.h"
#include "story/scene_def_interface.h"
#include "story/scene_def_ref.h"
#include "story/story_file.h"
#include "story/story_progress.h"
#include "story/task_scenes.h"
#include "story/user_game_data.h"
#include "story_screens/widget_ops.h"
#include "widgets/event_handler_interface.h"
#include "widgets/input_messages.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane {

namespace {

constexpr std::string_view kStoryParam = "UserGameData";
constexpr std::string_view kCountedParam = "progress_counted";
constexpr std::string_view kPlayScreen = "GS_Game";
constexpr std::string_view kDesktopScreen = "GS_Desktop";
constexpr std::string_view kPairsBookScreen = "GS_PairsBook";
constexpr std::string_view kSceneListParam = "SceneDefRefs";
constexpr std::string_view kPreviewGroup = "MapScenePreviews";
constexpr std::string_view kUnknownPreview = "img_Unknown_ScenePreview";

bool ParamIsYes(IParamCollection* params, std::string_view name, std::string_view fallback) {
  return ParamText(params, name, fallback) == "yes";
}

}  // namespace

// ---- Attaching ----

void TCorvellaneGameScreenMap::SetOwner(IGameScreenOwner* owner) {
  TGameScreen::SetOwner(owner);
  label_group_ = FindWidget("task_label_group");
  background_ = FindWidget("background_widget");
  animation_group_ = FindWidget("animation_group");
  label_params_ = CreateObject<TParamCollection>();
  previews_ = CreateObject<TResourceDefCollection>();
  previews_->SetGroupName(kPreviewGroup);
  if (IEngine* engine = GetEngine()) previews_->AttachEngine(engine);
}

void TCorvellaneGameScreenMap::ClearOwner() {
  selected_label_ = nullptr;
  RemoveAllChildren(label_group_.get());
  RemoveAllChildren(animation_group_.get());
  label_group_ = background_ = animation_group_ = nullptr;
  if (previews_) {
    previews_->RemoveGroupResources();
    previews_->DetachEngine();
    previews_ = nullptr;
  }
  ReleaseStory();
  TGameScreen::ClearOwner();
}

// ---- Opening and closing ----

void TCorvellaneGameScreenMap::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  if (parameters && parameters->GetParam(Variant("play_mode"))) copy_ = ParamInt(parameters, "play_mode", 0) == 1 ? 1 : 0;
  CreateStory();
}

void TCorvellaneGameScreenMap::OnOpened(IParamCollection* parameters) {
  TGameScreen::OnOpened(parameters);
  if (!EnsurePlayableStage()) return;
  ShowCaseBackground();
  StageStart(Stage().get());
  UpdateProgress(false);
  // The cover of a new story waits for the stage's start screen; with none
  // to wait for, the map shows at once.
  UncoverWhenOnTop();
}

void TCorvellaneGameScreenMap::Close() {
  selected_label_ = nullptr;
  RemoveAllChildren(label_group_.get());
  ReleaseStory();
  if (Ref<IWidget> hide = FindWidget("hide_desktop_screen")) hide->Restart();
  TGameScreen::Close();
}

void TCorvellaneGameScreenMap::CreateStory() {
  ReleaseStory();
  Ref<IGameRecords> records = QueryInterface<IGameRecords>(GetScreenOwner());
  Ref<IUserProfileCollection> profiles = records ? records->GetUserProfiles() : nullptr;
  Ref<IUserProfile> profile = profiles ? profiles->GetCurrentProfile() : nullptr;
  if (!profile) {
    LogWarning("the map was opened without a current player; there is no story to show");
    return;
  }
  Ref<TUserGameData> story = CreateObject<TUserGameData>();
  story->AttachAndLoad(profiles.get(), profile.get());
  const bool new_story = profile->GetDataText().empty();
  if (Ref<IWidget> black = FindWidget("black_screen")) black->SetVisible(new_story);
  if (new_story) {
    Ref<IHierStorageRoot> scenario = OpenStoryFile(kScenarioFile, "scenario");
    StartNewStory(*story, scenario.get());
    story->SaveToProfile();
  }
  story->SelectCopy(copy_);
  story_ = story;
  if (GetScreenOwner()) GetScreenOwner()->SetGameParamTransient(kStoryParam, Variant(story_));
  PublishSceneList();
}

// The main screen publishes the scene list; a game whose main screen does
// not still gets its story played.
void TCorvellaneGameScreenMap::PublishSceneList() {
  IGameScreenOwner* game = GetScreenOwner();
  if (!game || game->GetGameParam(kSceneListParam).ToObject<ISceneDefRefCollection>()) return;
  if (Ref<TSceneDefRefCollection> refs = LoadSceneDefRefs())
    game->SetGameParamTransient(kSceneListParam, Variant(Ref<IObject>(refs)));
}

void TCorvellaneGameScreenMap::ReleaseStory() {
  if (!story_) return;
  if (GetScreenOwner()) GetScreenOwner()->SetGameParamTransient(kStoryParam, Variant::Null());
  story_->SaveToProfile();
  story_->Detach();
  story_ = nullptr;
}

void TCorvellaneGameScreenMap::SaveStory() {
  if (story_ && !story_->SaveToProfile()) LogWarning("the story could not be saved to the player's profile");
}

Ref<IUGDCase> TCorvellaneGameScreenMap::Case() { return story_ ? CurrentCase(*story_) : nullptr; }

Ref<IUGDStage> TCorvellaneGameScreenMap::Stage() { return story_ ? CurrentStage(*story_) : nullptr; }

void TCorvellaneGameScreenMap::ShowCaseBackground() {
  Ref<IUGDCase> story_case = Case();
  if (!background_ || !story_case) return;
  IParamCollection* params = story_case->GetParams().get();
  background_->SetProperty("resourcename", Variant(ParamText(params, "map_background_image", "img_SityMap_back")));
  background_->SetProperty("resourceleft", Variant(ParamInt(params, "map_background_left", 0)));
  background_->SetProperty("resourcetop", Variant(ParamInt(params, "map_background_top", 0)));
}

// ---- Stages ----

void TCorvellaneGameScreenMap::StageStart(IUGDStage* stage) {
  Ref<IParamCollection> params = stage ? stage->GetParams() : nullptr;
  if (!params) return BuildLabels();
  if (ParamIsYes(params.get(), "show_start_screen", "yes")) {
    pending_screen_ = ParamText(params.get(), "start_screen_name", "");
    if (!pending_screen_.empty()) {
      no_map_after_screen_ = ParamIsYes(params.get(), "no_map_after_screen", "no");
      ShowPending();
    }
  }
  params->SetNamedValue("show_start_screen", Variant("no"));
  if (ParamIsYes(params.get(), "show_desktop", "no") && !ParamIsYes(params.get(), "desktop_was_shown", "no")) {
    no_map_after_screen_ = ParamText(params.get(), "start_screen_name", "").empty() &&
                           ParamIsYes(params.get(), "no_map_after_screen", "no");
    if (no_map_after_screen_) pending_screen_ = kDesktopScreen;
    ShowDesktop(false);
    params->SetNamedValue("desktop_was_shown", Variant("yes"));
  }
  BuildLabels();
  if (pending_screen_.empty() && ParamIsYes(params.get(), "no_map_on_stage", "no")) StartTask();
}

void TCorvellaneGameScreenMap::ShowPending() {
  if (Ref<IWidget> black = FindWidget("black_screen")) black->SetVisible(true);
  if (GetScreenOwner()) GetScreenOwner()->ShowScreen(pending_screen_, nullptr);
}

// ---- Labels ----

void TCorvellaneGameScreenMap::BuildLabels() {
  selected_label_ = nullptr;
  RemoveAllChildren(label_group_.get());
  Ref<IUGDStage> stage = Stage();
  Ref<IUGDTaskCollection> tasks = stage ? stage->GetTasks() : nullptr;
  if (!tasks || tasks->Count() == 0) return;
  for (int i = 0; i < tasks->Count(); ++i)
    if (Ref<IUGDTask> task = tasks->Get(Variant(i))) CreateTaskLabel(*task, false);
  Ref<IUGDTask> first = tasks->Get(Variant(0));
  if (Ref<IWidget> caption = FindWidget("current_level_caption"); caption && first && first->GetParams()) {
    std::string text;
    if (first->GetName() == "tutorial_task") {
      text = Localize("%tutorial_level%");
      SetMacro("level_start_string", "");
    } else {
      SetMacro("case_index", std::to_string(story_->GetCases()->IndexOf(story_->GetCurrentCaseName()) + 1));
      SetMacro("stage_caption", Localize("%stage_caption" + std::to_string(first->GetTaskType()) + "%"));
      text = Localize("%level_full_pattern%");
      SetMacro("level_start_string", text);
    }
    caption->SetProperty("text_utf8", Variant(text));
    label_params_->SetNamedValue("text", Variant(text));
  }
  if (first) selected_task_name_ = first->GetName();
  SelectTask();
}

void TCorvellaneGameScreenMap::SelectTask() {
  Ref<IUGDStage> stage = Stage();
  Ref<IUGDTaskCollection> tasks = stage ? stage->GetTasks() : nullptr;
  if (!tasks) return;
  Ref<IUGDTask> task = tasks->Get(Variant(selected_task_name_));
  if (!task || task->GetCompleted()) {
    task = nullptr;
    for (int i = 0; i < tasks->Count() && !task; ++i)
      if (Ref<IUGDTask> open = tasks->Get(Variant(i)); open && !open->GetCompleted()) task = open;
    if (task) selected_task_name_ = task->GetName();
  }
  if (!task) return;
  if (selected_label_) {
    selected_label_->SetDead(true);
    label_group_->GetWidgets()->RemoveDead();
  }
  UpdateLabelStates();
  selected_label_ = CreateTaskLabel(*task, true);
}

void TCorvellaneGameScreenMap::UpdateLabelStates() {
  Ref<IUGDStage> stage = Stage();
  Ref<IWidgetCollection> labels = label_group_ ? label_group_->GetWidgets() : nullptr;
  if (!stage || !labels) return;
  for (int i = 0; i < labels->Count(); ++i) {
    Ref<IWidget> label = labels->GetWidgetAt(i);
    if (!label) continue;
    Ref<IUGDTask> task = stage->GetTasks()->Get(label->GetProperty("task"));
    if (!task || task->GetCompleted() || !task->GetParams()) {
      label->SetMouseStop(false);
      if (Ref<IWidget> done = label->FindWidget("task_label_completed")) {
        done->SetVisible(true);
        done->Restart();
      }
      continue;
    }
    label->SetVisible(true);
    const int32_t left = ObjectsLeft(*task);
    Ref<IWidget> active = label->FindWidget("task_label_active");
    if (!active || left <= 0) continue;
    active->SetVisible(true);
    if (Ref<IWidget> count = active->FindWidget("count_text")) {
      count->SetProperty("text", Variant(std::to_string(left)));
      count->SetVisible(true);
    }
  }
}

int32_t TCorvellaneGameScreenMap::ObjectsLeft(IUGDTask& task) {
  IParamCollection* params = task.GetParams().get();
  int32_t left = ParamInt(params, "objects_left_count", -1);
  Ref<IUGDCase> story_case = Case();
  if (left >= 0 || !story_case) return left;
  Ref<IUGDScene> scene = story_case->GetScenes()->Get(Variant(ParamText(params, "scenename", "")));
  IParamCollection* scene_params = scene ? scene->GetParams().get() : nullptr;
  if (!scene_params) return -1;
  switch (static_cast<TTaskType>(task.GetTaskType())) {
    case TTaskType::HiddenShapes:
    case TTaskType::HiddenNames: return ParamInt(scene_params, "ho_count", -1);
    case TTaskType::FindIdentical: return ParamInt(story_case->GetParams().get(), "io_count", -1);
    case TTaskType::FindPlaces: return ParamInt(scene_params, "do_count", -1);
    default: return -1;
  }
}

Ref<IWidget> TCorvellaneGameScreenMap::CreateTaskLabel(IUGDTask& task, bool selected) {
  Ref<IUGDCase> story_case = Case();
  Ref<IUGDMapTaskLabel> map_label =
      story_case ? story_case->GetMapLabels()->Get(Variant(ParamText(task.GetParams().get(), "map_label_name", "")))
                 : nullptr;
  if (!map_label || !story_case->GetScenes() || !label_group_) return nullptr;
  Ref<TParamCollection> params = MakeParams({{"name", task.GetName()}});
  map_label->WriteLabelParams(params.get());
  const int32_t left = ObjectsLeft(task);
  params->SetNamedValue("objects_left_visible", Variant(left > 0 ? "yes" : "no"));
  if (left > 0) params->SetNamedValue("objects_left_count", Variant(left));
  params->SetNamedValue("task_type", Variant("%task_type_" + std::to_string(task.GetTaskType()) + "%"));
  Ref<IWidget> widget;
  if (selected) {
    const int32_t smallest_left = WriteCardParams(task, *params);
    int32_t x = ParamInt(params.get(), "anchor_left", 512);
    int32_t y = ParamInt(params.get(), "anchor_top", 384);
    if (y <= 75) x -= 15;
    x = std::max(x - 145, smallest_left);
    y = std::max(y - 300, 50);
    map_label->GetSelectedPosition(x, y);
    params->SetNamedValue("anchor_left", Variant(x));
    params->SetNamedValue("anchor_top", Variant(y));
    widget = MakeFromFactory(GetWindowWidget().get(), "selected_task_label_widget", params.get());
    // The play screen shows the card on its loading cover.
    CopyParams(*params, *label_params_);
  } else {
    widget = MakeFromFactory(GetWindowWidget().get(), "map_task_label_widget", params.get());
  }
  if (!widget) return nullptr;
  widget->SetExtraParam("task", Variant(task.GetName()));
  label_group_->GetWidgets()->RemoveDead();
  widget->SetVisible(GetWindowWidget()->IsVisible());
  label_group_->GetWidgets()->Add(widget);
  return widget;
}

// The card of the selected task: whose scene it is, what to do there. A
// first date shows the couple (the client on the card, the date on a
// second portrait); a find-identical task compares two scenes (the second
// portrait and photograph are the first scene's, the card is the second
// scene's). Answers the smallest left edge of the card, which leaves room
// for the second portrait.
int32_t TCorvellaneGameScreenMap::WriteCardParams(IUGDTask& task, IParamCollection& params) {
  Ref<IUGDCase> story_case = Case();
  IParamCollection* task_params = task.GetParams().get();
  auto participant = [&](std::string_view name) { return story_case->GetParticipants()->Get(Variant(name)); };
  auto scene_named = [&](std::string_view name) { return story_case->GetScenes()->Get(Variant(name)); };
  Ref<IUGDScene> scene = scene_named(ParamText(task_params, "scenename", ""));
  // The main card's person: the scene's, else the one the task names.
  auto scene_person = [&](IUGDScene* of) {
    Ref<IUGDParticipant> person = of ? participant(of->GetParticipantName()) : nullptr;
    return person ? person : participant(ParamText(task_params, "participant", ""));
  };
  Ref<IUGDParticipant> person;
  Ref<IUGDParticipant> second;
  int32_t smallest_left = 10;
  bool two_glasses = false;
  if (scene && scene->GetFirstDateScene()) {
    person = participant(ParamText(task_params, "participant", ""));
    second = participant(ParamText(task_params, "participant2", ""));
    smallest_left = 95;
  } else if (scene && static_cast<TTaskType>(task.GetTaskType()) == TTaskType::FindIdentical) {
    second = scene_person(scene.get());
    params.SetNamedValue("resourcename2", Variant(ScenePreviewName(scene.get())));
    if (Ref<IUGDScene> other = scene_named(ParamText(task_params, "scenename2", ""))) scene = other;
    person = scene_person(scene.get());
    smallest_left = 195;
    two_glasses = true;
  } else {
    person = scene_person(scene.get());
  }
  params.SetNamedValue("caption", Variant(person ? person->GetDisplayCaption() : std::string()));
  params.SetNamedValue("avatar", Variant(person ? person->GetAvatar() : std::string(kUnknownPreview)));
  params.SetNamedValue("description", Variant(person ? person->GetDescription() : std::string()));
  params.SetNamedValue("frame_num", Variant(static_cast<int32_t>(GlobalRandom().Uniform(5))));
  params.SetNamedValue("frame_angle", Variant(static_cast<int32_t>(GlobalRandom().Uniform(12)) - 5));
  params.SetNamedValue("resourcename", Variant(ScenePreviewName(scene.get())));
  params.SetNamedValue("second_card_visible", Variant(second ? "yes" : "no"));
  // A hidden second card still names pictures that exist.
  params.SetNamedValue("avatar2", Variant(std::string(kUnknownPreview)));
  if (!two_glasses) params.SetNamedValue("resourcename2", Variant(std::string(kUnknownPreview)));
  if (second) {
    params.SetNamedValue("avatar2", Variant(second->GetAvatar()));
    params.SetNamedValue("caption2", Variant(second->GetDisplayCaption()));
    params.SetNamedValue("description2", Variant(second->GetDescription()));
    params.SetNamedValue("frame_num2", Variant(static_cast<int32_t>(GlobalRandom().Uniform(5))));
  }
  params.SetNamedValue("one_glass", Variant(two_glasses ? "no" : "yes"));
  params.SetNamedValue("two_glasses", Variant(two_glasses ? "yes" : "no"));
  return smallest_left;
}

// The preview picture of a story scene, loaded the first time a card needs
// it. The scene list names the definition by the scene's name, or by its
// "scenename" parameter (a story scene may stand for a listed one).
std::string TCorvellaneGameScreenMap::ScenePreviewName(IUGDScene* scene) {
  IGameScreenOwner* game = GetScreenOwner();
  Ref<ISceneDefRefCollection> refs =
      game ? game->GetGameParam(kSceneListParam).ToObject<ISceneDefRefCollection>() : nullptr;
  if (!scene || !scene->GetParams() || !refs || !previews_ || !GetEngine()) return std::string(kUnknownPreview);
  std::string name = scene->GetName();
  Ref<ISceneDefRef> ref = refs->Get(Variant(name));
  if (!ref) {
    name = ParamText(scene->GetParams().get(), "scenename", "");
    ref = refs->Get(Variant(name));
  }
  if (!ref) return std::string(kUnknownPreview);
  const std::string preview = "img_ScenePreview_" + name;
  if (previews_->GetDef(Variant(preview)) && GetEngine()->GetResource(preview)) return preview;
  Ref<ISceneDef> definition = ref->OpenSceneDef();
  Ref<IResourceDefCollection> defs = definition ? definition->GetResourceDefs() : nullptr;
  Ref<IResourceDef> picture = defs ? defs->GetDef(Variant("img_ScenePreview")) : nullptr;
  if (!picture) return std::string(kUnknownPreview);
  previews_->SetDef(preview, picture->GetType(), picture->GetTypeParams(), picture->GetFile());
  previews_->ReloadResource(Variant(preview));
  if (GetEngine()->GetResource(preview)) return preview;
  LogWarning("the preview picture of scene \"" + name + "\" (" + picture->GetFile() + ") could not be loaded");
  return std::string(kUnknownPreview);
}

// ---- Input ----

bool TCorvellaneGameScreenMap::MouseEvent(const PlatformEvent& event) {
  const bool handled = TGameScreen::MouseEvent(event);
  const std::optional<WidgetMouseInput> mouse = TranslateMouse(event, mouse_buttons_);
  if (handled || !mouse || mouse->message != kMouseLeftDown) return handled;
  Ref<IWidget> label = LabelAt(mouse->point);
  if (!label) return false;
  const std::string task = label->GetProperty("task").ToText();
  if (task != selected_task_name_) {
    selected_task_name_ = task;
    SelectTask();
    PlayWindowSound("sound_maplabel_select");
  } else {
    StartTask();
  }
  return true;
}

// The label under the point: the group's child the hit belongs to.
Ref<IWidget> TCorvellaneGameScreenMap::LabelAt(TPoint point) {
  if (!label_group_) return nullptr;
  const bool mouse_stop = label_group_->IsMouseStop();
  label_group_->SetMouseStop(true);
  Ref<IWidget> hit = label_group_->WidgetAtPos(label_group_->ScreenToLocal(point));
  label_group_->SetMouseStop(mouse_stop);
  const IWidgetOwner* group = dynamic_cast<IWidgetOwner*>(label_group_.get());
  while (hit && hit->GetOwner() && hit->GetOwner() != group) hit = QueryInterface<IWidget>(hit->GetOwner());
  return hit && hit.get() != label_group_.get() && hit->GetOwner() == group ? hit : nullptr;
}

void TCorvellaneGameScreenMap::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (sender && code == kWidgetEventClick && sender->GetName() == "button_start") StartTask();
}

void TCorvellaneGameScreenMap::StartTask() {
  Ref<IUGDCase> story_case = Case();
  Ref<IUGDStage> stage = Stage();
  if (!story_case || !stage) return;
  label_params_->SetNamedValue("case", Variant(story_case->GetName()));
  label_params_->SetNamedValue("stage", Variant(stage->GetName()));
  Ref<IUGDTask> task = stage->GetTasks()->Get(Variant(selected_task_name_));
  if (!task) return;
  Ref<IParamCollection> params = task->GetParams();
  if (params && ParamIsYes(params.get(), "show_start_screen", "yes")) {
    params->SetNamedValue("show_start_screen", Variant("no"));
    pending_screen_ = ParamText(params.get(), "start_screen_name", "");
    if (!pending_screen_.empty()) return ShowPending();
  }
  if (IEngine* engine = GetEngine()) {
    engine->UnloadResources("comics");
    engine->UnloadResources("speech");
  }
  Ref<ISceneDefRefCollection> refs =
      GetScreenOwner() ? GetScreenOwner()->GetGameParam(kSceneListParam).ToObject<ISceneDefRefCollection>() : nullptr;
  if (task->GetCompleted() || !refs ||
      !FindSceneDefRef(*refs, *story_case, ParamText(params.get(), "scenename", ""))) {
    LogWarning("task \"" + task->GetName() + "\" cannot start: it is completed or its scene is unknown");
    return;
  }
  label_params_->SetNamedValue("task", Variant(task->GetName()));
  label_params_->SetNamedValue("play_mode", Variant(copy_));
  GetScreenOwner()->ShowScreen(kPlayScreen, label_params_);
}

// ---- Progress ----

void TCorvellaneGameScreenMap::ChildClosed(std::string_view name, Ref<IParamCollection> result) {
  TGameScreen::ChildClosed(name, result);
  if (ParamIsYes(result.get(), "user_quit", "no")) {
    SaveStory();
    return CloseMap(result);
  }
  if (std::string(";GS_Game;GS_Desktop;GS_PairsBook;GS_Comics_10_final;").find(";" + std::string(name) + ";") !=
      std::string::npos)
    UpdateProgress(true);
  if (ParamIsYes(result.get(), "show_end_screen", "no") && GetScreenOwner())
    GetScreenOwner()->ShowScreen(ParamText(result.get(), "end_screen_name", ""), result);
  if (no_map_after_screen_ && name == pending_screen_) StartTask();
  UncoverWhenOnTop();
}

void TCorvellaneGameScreenMap::UncoverWhenOnTop() {
  Ref<IGame> game = GetEngine() ? GetEngine()->GetGame() : nullptr;
  if (!game || game->GetTopScreenName() != GetName()) return;
  if (Ref<IWidget> black = FindWidget("black_screen")) black->SetVisible(false);
  if (Ref<IWidget> hide = FindWidget("hide_desktop_screen")) hide->Pause();
}

// Counts the completed tasks of the current stage that were not counted
// yet (the one just played, or one won just before the program ended),
// moving the story on as each allows. A desktop or pairs book shown on the
// way stops it; the rest follows when that screen closes.
void TCorvellaneGameScreenMap::UpdateProgress(bool from_listed) {
  bool counted = false;
  for (;;) {
    if (!EnsurePlayableStage()) return;
    Ref<IUGDCase> story_case = Case();
    Ref<IUGDStage> stage = Stage();
    Ref<IUGDTask> task = stage ? UncountedTask(*stage) : nullptr;
    if (!task) break;
    selected_task_name_ = task->GetName();
    const TCountResult result = CountTask(*story_case, *stage, *task);
    if (result == TCountResult::kClosing) return;
    if (result == TCountResult::kWaiting) return SaveStory();
    counted = true;
  }
  Ref<IUGDStage> stage = Stage();
  if (!counted && from_listed && stage && ParamIsYes(stage->GetParams().get(), "no_map_on_stage", "no")) {
    SaveStory();
    return CloseMap(nullptr);
  }
  if (counted || from_listed) SaveStory();
  if (story_) BuildLabels();
}

// The selected task when it waits to be counted, else the first such task.
Ref<IUGDTask> TCorvellaneGameScreenMap::UncountedTask(IUGDStage& stage) {
  auto uncounted = [](IUGDTask* task) {
    return task && task->GetCompleted() && !ParamIsYes(task->GetParams().get(), kCountedParam, "no");
  };
  Ref<IUGDTaskCollection> tasks = stage.GetTasks();
  if (Ref<IUGDTask> selected = tasks->Get(Variant(selected_task_name_)); uncounted(selected.get())) return selected;
  for (int i = 0; i < tasks->Count(); ++i)
    if (Ref<IUGDTask> task = tasks->Get(Variant(i)); uncounted(task.get())) return task;
  return nullptr;
}

TCorvellaneGameScreenMap::TCountResult TCorvellaneGameScreenMap::CountTask(IUGDCase& story_case, IUGDStage& stage,
                                                                        IUGDTask& task) {
  if (IsStageComplete(stage)) {
    stage.SetCompleted(true);
    if (StageEnd(stage)) return TCountResult::kWaiting;
    if (IsCaseComplete(story_case)) {
      story_case.SetCompleted(true);
      if (ShowPairsBook(story_case)) return TCountResult::kWaiting;
    }
  }
  // Past every screen that could interrupt: the task is counted now, once.
  if (Ref<IParamCollection> params = task.GetParams()) params->SetNamedValue(kCountedParam, Variant("yes"));
  if (story_case.GetCompleted()) {
    Ref<IUGDCase> next = FirstOpenCase(*story_);
    if (!next) {
      StoryFinished();
      return TCountResult::kClosing;
    }
    story_->SetLevel(NextCaseLevel(story_->GetLevel()));
    EnterCase(*story_, *next);
    ShowCaseBackground();
  }
  if (stage.GetCompleted()) {
    Ref<IUGDCase> now = Case();
    Ref<IUGDStage> next_stage = now ? NextStage(*now) : nullptr;
    if (!next_stage) return TCountResult::kCounted;
    now->SetCurrentStageName(next_stage->GetName());
    StageStart(next_stage.get());
  }
  RaiseLevel(*story_);
  SelectTask();
  return TCountResult::kCounted;
}

// Data the story cannot be played from is stepped over with a warning, so
// the map never waits on a stage without tasks: a stage without tasks
// counts as done, a case without a stage left to play likewise, an unknown
// current case gives way to the first open one, and a story with nothing
// left starts again (StoryFinished; the map closes: false).
bool TCorvellaneGameScreenMap::EnsurePlayableStage() {
  if (!story_) return false;
  bool moved = false;
  for (;;) {
    Ref<IUGDCase> story_case = Case();
    if (!story_case) {
      if (story_->GetCases()->Count() == 0) return true;  // no story at all: nothing to show
      Ref<IUGDCase> open = FirstOpenCase(*story_);
      if (!open) {
        LogInfo("every case of the story is done; the story starts again");
        StoryFinished();
        return false;
      }
      if (!story_->GetCurrentCaseName().empty())
        LogWarning("the story's current case \"" + story_->GetCurrentCaseName() + "\" is unknown; it goes on with \"" +
                   open->GetName() + "\"");
      EnterCase(*story_, *open);
      moved = true;
      continue;
    }
    Ref<IUGDStage> stage = Stage();
    if (!stage) {
      if (Ref<IUGDStage> next = NextStage(*story_case)) {
        story_case->SetCurrentStageName(next->GetName());
      } else {
        LogWarning("case \"" + story_case->GetName() + "\" has no stage left to play; it counts as done");
        story_case->SetCompleted(true);
        story_->SetCurrentCaseName("");
      }
      moved = true;
      continue;
    }
    if (stage->GetTasks()->Count() == 0) {
      LogWarning("stage \"" + stage->GetName() + "\" of case \"" + story_case->GetName() +
                 "\" has no tasks; it counts as done");
      stage->SetCompleted(true);
      story_case->SetCurrentStageName("");
      moved = true;
      continue;
    }
    if (moved) {
      SaveStory();
      ShowCaseBackground();
      StageStart(stage.get());
    }
    return true;
  }
}

// Whether it showed the desktop (the rest of the progress waits for it).
bool TCorvellaneGameScreenMap::StageEnd(IUGDStage& stage) {
  Ref<IParamCollection> params = stage.GetParams();
  if (!params) return false;
  const bool desktop = ParamIsYes(params.get(), "show_desktop", "no");
  params->SetNamedValue("show_desktop", Variant("no"));
  const bool shown = desktop && ShowDesktop(true);
  if (ParamIsYes(params.get(), "show_end_screen", "no")) {
    params->SetNamedValue("show_end_screen", Variant("no"));
    if (GetScreenOwner()) GetScreenOwner()->ShowScreen(ParamText(params.get(), "end_screen_name", ""), nullptr);
  }
  return shown;
}

bool TCorvellaneGameScreenMap::ShowDesktop(bool full) {
  if (!GetScreenOwner()) return false;
  if (GetScreenOwner()->ShowScreen(kDesktopScreen, MakeParams({{"show_full_info", Variant(full)}}))) return true;
  LogWarning("the desktop screen \"GS_Desktop\" could not be shown; the story goes on without it");
  return false;
}

// Once per case: the pair's page in the book. A game without the book goes
// on without it rather than waiting for a screen that never closes.
bool TCorvellaneGameScreenMap::ShowPairsBook(IUGDCase& story_case) {
  Ref<IParamCollection> params = story_case.GetParams();
  if (!params || !GetScreenOwner() || ParamText(params.get(), "completed", "no") != "no") return false;
  params->SetNamedValue("completed", Variant("yes"));
  if (GetScreenOwner()->ShowScreen(kPairsBookScreen, params)) return true;
  LogWarning("the pairs book \"GS_PairsBook\" could not be shown; the story goes on without it");
  return false;
}

void TCorvellaneGameScreenMap::StoryFinished() {
  Ref<IHierStorageRoot> scenario = OpenStoryFile(kScenarioFile, "scenario");
  RestartCopy(*story_, scenario.get());
  SaveStory();
  CloseMap(nullptr);
}

void TCorvellaneGameScreenMap::CloseMap(Ref<IParamCollection> result) {
  if (GetScreenOwner()) GetScreenOwner()->CloseScreen(this, std::move(result));
}

}  // namespace corvellane
