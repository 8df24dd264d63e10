// The play screen's life: opening, loading, starting and leaving a level.
#include "story_screens/play_screen.h"

#include <array>

#include "engine/engine_interface.h"
#include "persistence/class_registry.h"
#include "persistence/log.h"
#include "shell/formatting.h"
#include "sound/sound_definitions.h"
#include "story_screens/play_trace.h"
#include "story_screens/widget_ops.h"
#include "widgets/game_screen_slave_interface.h"

namespace corvellane {

namespace {

constexpr std::array<std::string_view, 5> kPanelManagerTypes{
    "PanelManagerHiddenShapes", "PanelManagerHiddenNames", "PanelManagerFindIdentical", "PanelManagerHiddenParts",
    "PanelManagerFindPlaces"};
constexpr std::array<std::string_view, 5> kLevelManagerTypes{
    "LevelManagerHiddenShapes", "LevelManagerHiddenNames", "LevelManagerFindIdentical", "LevelManagerHiddenParts",
    "LevelManagerFindPlaces"};

constexpr std::string_view kLevelLoadingScreen = "GS_LevelLoading";
constexpr std::string_view kLevelStatScreen = "GS_LevelStat";
constexpr std::string_view kGameMenuScreen = "GS_GameMenu";
constexpr std::string_view kGameMusic = "music_game";

template <class T>
Ref<T> CreateNamedObject(std::string_view type, std::string_view object_name) {
  Ref<TAbstractObject> object = CreateByType(type);
  Ref<T> typed = QueryInterface<T>(object);
  if (!typed) {
    LogWarning("the play screen cannot make a \"" + std::string(type) + "\"; the level is not played");
    return nullptr;
  }
  if (auto named = QueryInterface<INamedObject>(typed)) named->SetName(object_name);
  return typed;
}

}  // namespace

// ---- Attaching ----

void TCorvellaneGameScreenGame::SetOwner(IGameScreenOwner* owner) {
  TGameScreen::SetOwner(owner);
  LookUpWidgets();
  hint_.Attach(this, "ui_group/hint_group");
}

void TCorvellaneGameScreenGame::LookUpWidgets() {
  panel_ = QueryInterface<IItemListPanel>(FindWidget(kObjectPanelPath));
  background_group_ = FindWidget(PlayGroupPath(TPlayGroup::Background));
  objects_group_ = FindWidget(PlayGroupPath(TPlayGroup::Objects));
  left_objects_ = FindWidget(PlayGroupPath(TPlayGroup::LeftObjects));
  right_objects_ = FindWidget(PlayGroupPath(TPlayGroup::RightObjects));
  left_part_ = FindWidget("left_part");
  right_part_ = FindWidget("right_part");
  ui_group_ = FindWidget("ui_group");
  animation_group_ = FindWidget(PlayGroupPath(TPlayGroup::Animation));
  obscuring_ = FindWidget("obscuring_widget");
  black_screen_ = FindWidget("black_screen");
  loading_screen_ = FindWidget("loading_screen");
  minute_hand_ = FindWidget("ui_group/clock_minute_arrow");
  second_hand_ = FindWidget("ui_group/clock_second_arrow");
  time_text_ = FindWidget("ui_group/ui_level_time_text");
  count_text_ = FindWidget("ui_group/ui_objects_count_text");
  score_text_ = FindWidget("ui_group/ui_scores_text");
  menu_button_ = FindWidget("ui_group/buttons/button_menu");
}

void TCorvellaneGameScreenGame::ClearOwner() {
  // The game is finishing with the level still on the screen (the window
  // was closed): its results go into the story, and the story to the
  // profile, as when the player leaves through the menu.
  if (level_running_) TraceLevelEnd(false, "quit");
  if (task_) {
    SaveTaskResults();
    if (story_) story_->SaveToProfile();
  }
  Reset();
  if (panel_) panel_->SetPanelManager(nullptr);
  hint_.Detach();
  ReleaseWidgets();
  story_ = nullptr;
  scene_refs_ = nullptr;
  case_ = nullptr;
  stage_ = nullptr;
  TGameScreen::ClearOwner();
}

void TCorvellaneGameScreenGame::ReleaseWidgets() {
  panel_ = nullptr;
  background_group_ = objects_group_ = left_objects_ = right_objects_ = left_part_ = right_part_ = nullptr;
  ui_group_ = animation_group_ = obscuring_ = black_screen_ = loading_screen_ = nullptr;
  minute_hand_ = second_hand_ = time_text_ = count_text_ = score_text_ = menu_button_ = nullptr;
}

// ---- Opening ----

void TCorvellaneGameScreenGame::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  close_animation_pending_ = true;
  Reset();
  ReadStory(parameters);
  SetupLevelUI();
  ShowSelectedLabel(parameters);
}

void TCorvellaneGameScreenGame::OnOpened(IParamCollection* parameters) {
  TGameScreen::OnOpened(parameters);
  LoadLevel();
}

void TCorvellaneGameScreenGame::Reset() {
  EndCarry();
  for (IWidget* group : {objects_group_.get(), left_objects_.get(), right_objects_.get(), animation_group_.get(),
                         static_cast<IWidget*>(panel_.get()), background_group_.get(), loading_screen_.get()})
    RemoveAllChildren(group);
  SetWidgetProperty(count_text_.get(), "text", Variant(""));
  SetWidgetProperty(score_text_.get(), "text", Variant(""));
  SetWidgetProperty(minute_hand_.get(), "angle", Variant(180));
  SetWidgetProperty(second_hand_.get(), "angle", Variant(180));
  SetWidgetProperty(time_text_.get(), "text", Variant(""));
  if (time_text_) time_text_->SetTransparentLevel(255);
  scene_ = second_scene_ = nullptr;
  if (obscuring_) obscuring_->SetVisible(true);
  if (black_screen_) {
    black_screen_->SetTransparentLevel(0);
    black_screen_->SetVisible(false);
  }
  if (loading_screen_) {
    loading_screen_->SetTransparentLevel(255);
    loading_screen_->SetVisible(true);
  }
  if (level_) level_->ReleaseScenes();
  level_ = nullptr;
  unclaimed_.clear();
  ResetLevelState();
}

void TCorvellaneGameScreenGame::ResetLevelState() {
  input_blocked_ = false;
  paused_ = true;
  locked_ = true;
  decided_ = false;
  ended_ = false;
  placing_ = false;
  pending_end_reason_.reset();
  started_ = false;
  level_running_ = false;
  clock_.Reset();
  screen_time_ = 0;
  blink_step_ = 0;
  score_.DropPending();
  chain_.Reset();
  heat_.Reset();
  last_find_time_ = -1;
  hint_.Reset();
  carrying_ = false;
  taken_this_click_ = false;
  hints_used_ = wrong_clicks_ = success_clicks_ = 0;
}

void TCorvellaneGameScreenGame::ReadStory(IParamCollection* parameters) {
  IGameScreenOwner* game = GetScreenOwner();
  story_ = game ? game->GetGameParam("UserGameData").ToObject<IUserGameData>() : nullptr;
  scene_refs_ = game ? game->GetGameParam("SceneDefRefs").ToObject<ISceneDefRefCollection>() : nullptr;
  case_ = nullptr;
  stage_ = nullptr;
  task_ = nullptr;
  if (story_ && parameters) {
    case_ = story_->GetCases()->Get(Variant(ParamText(parameters, "case", "")));
    stage_ = case_ ? case_->GetStages()->Get(Variant(ParamText(parameters, "stage", ""))) : nullptr;
    task_ = stage_ ? stage_->GetTasks()->Get(Variant(ParamText(parameters, "task", ""))) : nullptr;
  }
  timed_ = parameters && parameters->GetParam(Variant("play_mode")) && ParamInt(parameters, "play_mode", -1) == 0;
  score_.SetDisplayed(story_ ? story_->GetScores() : 0);
  ShowScore();
}

int32_t TCorvellaneGameScreenGame::TaskType() const { return task_ ? task_->GetTaskType() : 0; }

Ref<IParamCollection> TCorvellaneGameScreenGame::TaskParams() { return task_ ? task_->GetParams() : nullptr; }

void TCorvellaneGameScreenGame::SetupLevelUI() {
  const int32_t type = TaskType();
  SetWidgetProperty(FindWidget("ui_group/ui_task_type_text").get(), "text",
                    Variant("%task_type_" + std::to_string(type) + "%"));
  ShowWidget(FindWidget("ui_group/ui_hide_clock_group").get(), !timed_);
  ShowWidget(menu_button_.get(), true);
  ShowWidget(FindWidget("interface_middle_line").get(), type == static_cast<int32_t>(TTaskType::FindIdentical));
  ShowWidget(FindWidget("ui_group/panel_complete_part_back").get(), type == static_cast<int32_t>(TTaskType::HiddenParts));
  PlaceInterfaceForMode();
}

// The hidden-parts panel is taller: it shows the broken object big, with
// the count above it.
void TCorvellaneGameScreenGame::PlaceInterfaceForMode() {
  Ref<IWidget> scroll_area = FindWidget("ui_group/panel_scrollarea");
  if (!scroll_area) return;
  const bool parts = TaskType() == static_cast<int32_t>(TTaskType::HiddenParts);
  if (Ref<IWidget> type_text = FindWidget("ui_group/ui_task_type_text")) type_text->SetAnchorTop(parts ? 96 : 31);
  if (count_text_) {
    count_text_->SetAnchorLeft(parts ? 501 : 499);
    count_text_->SetAnchorTop(parts ? -76 : 5);
  }
  scroll_area->SetAnchorTop(parts ? -38 : 56);
  scroll_area->SetProperty("height", Variant(parts ? 180 : 66));
}

void TCorvellaneGameScreenGame::ShowSelectedLabel(IParamCollection* parameters) {
  if (!loading_screen_) return;
  loading_screen_->SetProperty("text", Variant(ParamText(parameters, "text", "")));
  Ref<IWidget> inner = loading_screen_->FindWidget("inner_widget");
  Ref<IWidgetCollection> children = inner ? inner->GetWidgets() : nullptr;
  if (!children || children->Count() == 0) return;
  FinishChild(inner.get(), "selected_task_label_widget");
  if (ParamText(parameters, "caption", "").empty()) return;
  if (Ref<IWidget> label = CreateScreenWidget("selected_task_label_widget", parameters)) children->Add(label);
}

// ---- Loading and starting ----

void TCorvellaneGameScreenGame::LoadLevel() {
  paused_ = true;
  show_obscuring_ = true;
  const int32_t type = TaskType();
  if (!task_ || type < 0 || type >= static_cast<int32_t>(kLevelManagerTypes.size())) {
    LogWarning("the play screen was opened without a task it can play; it closes");
    if (GetScreenOwner()) GetScreenOwner()->CloseScreen(this, nullptr);
    return;
  }
  if (Ref<IPanelManager> panel_manager = CreateNamedObject<IPanelManager>(kPanelManagerTypes[type], "Panel");
      panel_manager && panel_) {
    panel_->SetPanelManager(panel_manager);
    panel_manager->SetupPanel(this, -1);
  }
  level_ = CreateNamedObject<ILevelManager>(kLevelManagerTypes[type], "LevelManager");
  if (!level_) {
    if (GetScreenOwner()) GetScreenOwner()->CloseScreen(this, nullptr);
    return;
  }
  level_->SetOwner(this);
  Ref<IResourceDefCollection> defs = level_->LoadScenes();
  Ref<IParamCollection> params = MakeParams({{"resource_defs", Variant(defs)}});
  if (GetScreenOwner() && GetScreenOwner()->ShowScreen(kLevelLoadingScreen, params)) return;
  // Without a loading screen the pictures load now, in this frame.
  LoadResourcesNow(defs.get());
  StartLevel();
  locked_ = false;
}

void TCorvellaneGameScreenGame::LoadResourcesNow(IResourceDefCollection* defs) {
  if (!defs) return;
  for (int i = 0; i < defs->Count(); ++i) defs->ReloadResource(Variant(i));
}

void TCorvellaneGameScreenGame::StartLevel() {
  if (!level_) return;
  level_->RunShowFactories();
  if (!level_->SetupLevel()) {
    LogWarning("the level of task \"" + (task_ ? task_->GetName() : std::string()) +
               "\" cannot be set up (a scene or its definition is missing); the play screen closes");
    if (GetScreenOwner()) GetScreenOwner()->CloseScreen(this, nullptr);
    return;
  }
  RemoveUnclaimedObjects();
  if (level_->GetTotal() <= 0) {
    LogWarning("task \"" + task_->GetName() + "\" has nothing to find in its scene; it cannot be played");
    if (GetScreenOwner()) GetScreenOwner()->CloseScreen(this, nullptr);
    return;
  }
  UpdateTargetCounter();
  PlayWindowSound("sound_level_start");
  PlayLevelMusic(true);
  StartClockAndCounts();
  screen_time_ = 0;
  hint_.SetFindPlaces(TaskType() == static_cast<int32_t>(TTaskType::FindPlaces));
  hint_.StartLevel(paused_);
  started_ = true;
  level_running_ = true;
  TraceLevelStart();
}

int32_t TCorvellaneGameScreenGame::GivenTime() {
  const int32_t given = ParamInt(TaskParams().get(), "given_time", kDefaultGivenTimeMs);
  if (given > 0) return given;
  LogWarning("task \"" + task_->GetName() + "\" gives no time to play (given_time " + std::to_string(given) +
             "); it gets the standard " + std::to_string(kDefaultGivenTimeMs / 60000) + " minutes");
  return kDefaultGivenTimeMs;
}

void TCorvellaneGameScreenGame::StartClockAndCounts() {
  Ref<IParamCollection> params = TaskParams();
  if (!params) return;
  int32_t clock = ParamInt(params.get(), "task_time", 0);
  if (timed_ && clock <= 0) clock = GivenTime();
  clock_.Start(timed_, clock);
  hints_used_ = ParamInt(params.get(), "hints_used", 0);
  success_clicks_ = ParamInt(params.get(), "success_clicks", 0);
  wrong_clicks_ = ParamInt(params.get(), "wrong_clicks", 0);
  const bool first_start = ParamText(params.get(), "activate_start_factory", "yes") == "yes";
  tutorial_factory_ = first_start ? ParamText(params.get(), "ingame_start_factory", "") : std::string();
  params->SetNamedValue("activate_start_factory", Variant("no"));
  Ref<IWidget> intro = CreateScreenWidget("start_level_anim", params.get());
  if (intro) {
    AddToGroup(intro, TPlayGroup::Animation);
    return;
  }
  // Without an intro nothing would ever start the level.
  ShowTutorial();
  SetLevelPaused(false);
}

void TCorvellaneGameScreenGame::PlayLevelMusic(bool play) {
  IEngine* engine = GetEngine();
  Ref<TMusicCollection> musics = GetMusics();
  Ref<IMusic> music = musics ? musics->GetMusic(Variant(kGameMusic)) : nullptr;
  if (!engine || !music) return;
  if (play) {
    engine->PlayMusic(music.get());
  } else {
    engine->StopMusic(music.get());
  }
}

// ---- Leaving ----

void TCorvellaneGameScreenGame::Close() {
  SaveTaskResults();
  PlayLevelMusic(false);
  Reset();
  TGameScreen::Close();
}

void TCorvellaneGameScreenGame::Deactivate() {
  TGameScreen::Deactivate();
  SetLevelPaused(true);
  locked_ = true;
}

void TCorvellaneGameScreenGame::SetAppActive(bool active) {
  TGameScreen::SetAppActive(active);
  SetLevelPaused(!active);
}

void TCorvellaneGameScreenGame::LeaveScreen(Ref<IParamCollection> result) {
  if (close_animation_pending_) {
    close_animation_pending_ = false;
    Ref<IWidget> animation = CreateScreenWidget("close_gamescreen_anim", result.get());
    if (animation) {
      AddToGroup(animation, TPlayGroup::Animation);
      show_obscuring_ = false;
      SetLevelPaused(true);
      return;
    }
  }
  if (GetScreenOwner()) GetScreenOwner()->CloseScreen(this, result);
}

void TCorvellaneGameScreenGame::ChildClosed(std::string_view name, Ref<IParamCollection> result) {
  TGameScreen::ChildClosed(name, result);
  if (name == kLevelLoadingScreen) {
    StartLevel();
    locked_ = false;
    return;
  }
  ShowWidget(menu_button_.get(), true);
  if (name == kLevelStatScreen) {
    close_animation_pending_ = false;
    if (task_ && task_->GetCompleted()) {
      LeaveScreen(result);
    } else {
      Restart();
    }
    return;
  }
  if (name == kGameMenuScreen) {
    const std::string button = ParamText(result.get(), "Button", "");
    if (button == "GS_QueryMainMenu") return QuitToMap();
    if (button == "GS_QueryRestart") return Restart();
  }
  locked_ = false;
  SetLevelPaused(false);
}

void TCorvellaneGameScreenGame::OpenGameMenu() {
  if (decided_ || !level_running_) return;
  show_obscuring_ = true;
  if (GetScreenOwner() && GetScreenOwner()->ShowScreen(kGameMenuScreen, GetOpenParams())) return;
  // Without a game menu the way out is straight back to the map; the level
  // is kept and resumes where it stood.
  QuitToMap();
}

void TCorvellaneGameScreenGame::QuitToMap() {
  if (level_running_) TraceLevelEnd(false, "quit");
  level_running_ = false;
  Ref<IParamCollection> result = MakeParams({{"user_quit", "yes"}});
  if (const std::string factory = ParamText(TaskParams().get(), "ingame_exit_menu_factory", ""); !factory.empty()) {
    if (Ref<IWidget> widget = CreateScreenWidget(factory, nullptr)) {
      AddToGroup(widget, TPlayGroup::Animation);
      widget->Update(0);
    }
  }
  LeaveScreen(result);
}

void TCorvellaneGameScreenGame::Restart() {
  if (level_running_) TraceLevelEnd(false, "restart");
  ShowWidget(menu_button_.get(), true);
  ResetTaskResults();
  Reset();
  ShowScore();
  LoadLevel();
}

// ---- Keys and buttons ----

bool TCorvellaneGameScreenGame::KeyEvent(const PlatformEvent& event) {
  TGameScreen::KeyEvent(event);
  if (event.type == EventType::KeyDown && !event.repeat && event.key == KeyCode::Escape) OpenGameMenu();
  return false;
}

void TCorvellaneGameScreenGame::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (!sender || code != kWidgetEventClick) return;
  const std::string name = sender->GetName();
  if (name == "button_hint") {
    UseHint();
  } else if (name == "button_menu") {
    ShowWidget(menu_button_.get(), false);
    OpenGameMenu();
  }
}

void TCorvellaneGameScreenGame::ShowTutorial() {
  if (tutorial_factory_.empty() || !story_ || !task_) return;
  Ref<IParamCollection> params =
      MakeParams({{"text", "%ingame_tutorial_" + story_->GetCurrentCaseName() + "_" + task_->GetName() + "%"},
                  {"play_mode", story_->GetSelectedCopy()}});
  if (Ref<IWidget> tutorial = CreateScreenWidget(tutorial_factory_, params.get()))
    AddToGroup(tutorial, TPlayGroup::Animation);
}

}  // namespace corvellane
