// play_screen.h: TCorvellaneGameScreenGame ("CorvellaneGameScreenGame"),
// the play screen: one task of the story played as a hidden-object level.
//
// The map screen opens it with the task's place in the story:
//
//   ShowScreen("GS_Game", {"case": "marguerite", "stage": "petals", "task": "petals_1", "play_mode": 0});
//
// and gets back, when it closes, the result: none after a level that ended
// (won, or lost and left), "user_quit" = "yes" when the player chose the
// map in the game menu.
//
// What the screen owns: the level manager and the panel manager of the
// task's play mode (play/level_manager_interface.h, panel_manager_interface.h),
// which judge the clicks and show what is left to find; the clock (play_clock.h;
// the timed copy of the story counts down, the relaxed copy up), the score
// counter (score_counter.h), the success chain and the wrong-click heat
// (click_streaks.h), and the hint (play_hint.h). The level managers, the
// panel managers and the play scenarios reach it as IGameManagersOwner.
//
// A level's life:
//
//   opened    the story read, the interface placed for the mode
//   loading   the managers made; "GS_LevelLoading" loads the scene's pictures
//             (without that screen they load at once); paused and locked
//   started   the scene built; "start_level_anim" resumes it after its intro
//   playing   clicks find or miss; paused while another screen is on top
//             (the game menu: Escape or the menu button) or the program is
//             in the background
//   decided   won (the last target found) or lost (the clock ran out), once:
//             a last find in the frame the clock runs out, or the two halves
//             of a pair, cannot decide it twice
//   results   "GS_LevelStat" shows the statistics; a won task closes the
//             screen, a lost one plays again
//   closed    the results go into the story: the clock (pending time taken
//             on the right side, so quitting never gains time), the score,
//             the counts; a left level resumes from there
//
// Points: a find earns round(sqrt(50 000 000 / t)) for the t ms since the
// previous find (the level manager adds them); the 3rd, 6th, 9th and 12th
// find of a chain add 300, 700, 1200, 2000. Six quick misses cost a minute
// of a timed level. The points of a lost level are not kept, and points are
// never lost because the statistics screen could not be shown.
//
// Widgets it uses, each optional (a missing one leaves its part out): the
// groups "objects_group", "left_part/objects_group", "right_part/objects_group",
// "background_group", "animation_group", "ui_group"; the object panel at
// kObjectPanelPath; "ui_group/hint_group" (play_hint.h); "obscuring_widget"
// (covers the scene while paused), "black_screen" (fades in while clicks
// are blocked by a penalty), "loading_screen" (the cover faded out when
// the level starts); in "ui_group": "clock_minute_arrow", "clock_second_arrow",
// "ui_level_time_text", "ui_objects_count_text", "ui_scores_text",
// "ui_task_type_text", "ui_hide_clock_group" (covers the clock of a relaxed
// level), "buttons/button_menu". Factories it asks the window for:
// "widget_sceneobject", "start_level_anim", "win_level_anim",
// "win_first_date_level_anim", "loose_level_anim", "close_gamescreen_anim",
// "hint_scenario", "hint_activation", "ps_star_circle", "ps_star_circle_wide",
// "zoomed_image", "success_clicks_bonus", "wrong_clicks_penalty",
// "selected_task_label_widget". Musics: "music_game".
//
// Everything that happens in play also goes to the play trace
// (play_trace.h; README.md lists the lines and their fields).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "play/game_managers_owner_interface.h"
#include "play/level_manager_interface.h"
#include "play/panel_manager_interface.h"
#include "screens/game_screen.h"
#include "story_screens/click_streaks.h"
#include "story_screens/play_clock.h"
#include "story_screens/play_hint.h"
#include "story_screens/play_trace.h"
#include "story_screens/score_counter.h"

namespace corvellane {

// The task's time when it gives none: twenty minutes.
inline constexpr int32_t kDefaultGivenTimeMs = 1200000;
// Clicks at or below this line hit the panel strip: never a miss.
inline constexpr int32_t kPanelStripTop = 675;
// A carried object clicked this far below the top of "ui_group" goes back.
inline constexpr int32_t kPanelAreaDepth = 56;

class TCorvellaneGameScreenGame : public TGameScreen, public virtual IGameManagersOwner {
 public:
  // ---- The screen ----
  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void Close() override;
  void Deactivate() override;
  void SetAppActive(bool active) override;
  void Advance(int32_t elapsed_ms) override;
  bool MouseEvent(const PlatformEvent& event) override;
  bool KeyEvent(const PlatformEvent& event) override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;

  // ---- IGameManagersOwner ----
  IGameScreenOwner* GetGameScreenOwner() override { return GetScreenOwner(); }
  Ref<ISceneDefRefCollection> GetSceneDefRefs() override { return scene_refs_; }
  Ref<IUserGameData> GetUserGameData() override { return story_; }
  Ref<IUGDCase> GetCurrentCase() override { return case_; }
  Ref<IUGDStage> GetStage() override { return stage_; }
  Ref<IUGDTask> GetTask() override { return task_; }
  Ref<ILevelManager> GetLevelManager() override { return level_; }
  Ref<IItemListPanel> GetPanelWidget() override { return panel_; }
  Ref<IWidget> CreateScreenWidget(std::string_view factory_name, IParamCollection* params) override;
  Ref<IWidget> FindScreenWidget(std::string_view path) override { return FindWidget(path); }
  Ref<IWidget> CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location, int32_t shift,
                                 TPlayGroup group) override;
  Ref<IObject> CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location) override;
  bool ResolveSceneObject(IObject* scene_object, Ref<ISceneObjectDef>& object,
                          Ref<ISceneObjectLocation>& location) override;
  void ReleaseSceneObject(IObject* scene_object) override;
  Ref<ISceneObjectDef> GetWidgetObject(IWidget* widget) override;
  Ref<IWidget> FindObjectWidget(ISceneObjectDef* object, ISceneObjectLocation* location, TPlayGroup group) override;
  Ref<IWidget> FindAnyObjectWidget(ISceneObjectDef* object, TPlayGroup group,
                                   ISceneObjectLocation* location) override;
  bool PickHintTarget(std::string& prefix, Ref<IWidget>& widget, bool random) override;
  bool PrepareScene(IUGDScene* scene) override;
  void AddToGroup(Ref<IWidget> widget, TPlayGroup group) override;
  void UpdateTargetCounter() override;
  void AddScore(int32_t points) override;
  void AdvanceClock(int32_t ms) override;
  void SetLevelPaused(bool paused) override;
  bool IsLevelPaused() override { return paused_; }
  void SetInputBlocked(bool blocked) override;
  bool IsInputBlocked() override { return input_blocked_; }
  std::string MakeEffectName(std::string_view base) override;
  void RunEffect(std::string_view factory_name, IParamCollection* params) override;
  void LoseLevel() override;
  void WinLevel() override;
  void EndLevel(bool complete) override;
  void LeaveScreen(Ref<IParamCollection> result) override;
  void ShowTutorial() override;
  int32_t GetTimeSinceFind() override;
  void ShowWidget(IWidget* widget, bool visible) override;
  void EnableItemObjects(IWidget* item_widget) override;

  // For tests and the trace: the level as it stands.
  const TPlayClock& Clock() const { return clock_; }
  const TScoreCounter& Score() const { return score_; }
  const TPlayHint& Hint() const { return hint_; }
  int32_t GetScreenTime() const { return screen_time_; }
  bool IsTimed() const { return timed_; }
  bool IsLocked() const { return locked_; }
  bool IsDecided() const { return decided_; }
  int32_t GetHintsUsed() const { return hints_used_; }
  int32_t GetWrongClicks() const { return wrong_clicks_; }
  int32_t GetSuccessClicks() const { return success_clicks_; }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;
  void OnOpened(IParamCollection* parameters) override;

 private:
  // ---- Opening, loading, starting (play_screen.cpp) ----
  void LookUpWidgets();
  void ReleaseWidgets();
  void Reset();
  void ResetLevelState();
  void ReadStory(IParamCollection* parameters);
  void SetupLevelUI();
  void PlaceInterfaceForMode();
  void ShowSelectedLabel(IParamCollection* parameters);
  void LoadLevel();
  // Loads the scene's pictures at once when no loading screen can be shown.
  void LoadResourcesNow(IResourceDefCollection* defs);
  void StartLevel();
  void StartClockAndCounts();
  void PlayLevelMusic(bool play);
  void Restart();
  void QuitToMap();
  void OpenGameMenu();
  Ref<IParamCollection> TaskParams();
  int32_t GivenTime();
  int32_t TaskType() const;

  // ---- Every frame (play_screen_frame.cpp) ----
  void Fades();
  void ClockStep(int32_t ms);
  void ShowClock();
  void BlinkTimeText();
  void ShowScore();

  // ---- Clicks (play_screen_input.cpp) ----
  bool Click(TPoint point, int32_t button);
  bool Drop(TPoint point);
  bool MoveCarried();
  Ref<IWidget> HitTest(IWidget* group, TPoint point, bool neighbours);
  Ref<IWidget> SceneHit(TPoint point);
  bool JudgeSceneClick(IWidget* hit, TPoint point);
  bool TakeFromPanel(TPoint point);
  bool StartCarry(ISceneObjectDef* object, TPoint point);
  void ReturnCarried();
  void EndCarry();
  void FinishHintOn(IWidget* widget);
  void SuccessClick(TPoint point, IWidget* hit, int32_t since_find, int32_t points);
  void WrongClick(TPoint point);
  void UseHint();

  // ---- Results (play_screen_results.cpp) ----
  void ResetTaskResults();
  void RegenerateScenes();
  void SaveTaskResults();
  Ref<IParamCollection> StatisticsParams(bool complete);
  std::string StatisticsSceneName();
  TPlayTraceLine TraceLine(std::string_view event);
  // A line with the clock and the score (pause, resume).
  void TraceEvent(std::string_view event);
  void TraceLevelStart();
  std::string TraceTargets(TSceneObjectType target_type);
  TPoint ClickPointOf(IWidget* group, IWidget* target, const TRect& rect);
  void TraceLevelEnd(bool won, std::string_view reason);

  IWidget* Group(TPlayGroup group);
  static void BindSceneObject(IWidget* widget, ISceneObjectDef* object, ISceneObjectLocation* location);
  // The scene generator's widgets that no list of the level took.
  void RemoveUnclaimedObjects();

  Ref<ISceneDefRefCollection> scene_refs_;
  Ref<IUserGameData> story_;
  Ref<IUGDCase> case_;
  Ref<IUGDStage> stage_;
  Ref<IUGDTask> task_;
  Ref<IUGDScene> scene_;
  Ref<IUGDScene> second_scene_;
  Ref<ILevelManager> level_;

  Ref<IItemListPanel> panel_;
  Ref<IWidget> background_group_;
  Ref<IWidget> objects_group_;
  Ref<IWidget> left_objects_;
  Ref<IWidget> right_objects_;
  Ref<IWidget> left_part_;
  Ref<IWidget> right_part_;
  Ref<IWidget> ui_group_;
  Ref<IWidget> animation_group_;
  Ref<IWidget> obscuring_;
  Ref<IWidget> black_screen_;
  Ref<IWidget> loading_screen_;
  Ref<IWidget> minute_hand_;
  Ref<IWidget> second_hand_;
  Ref<IWidget> time_text_;
  Ref<IWidget> count_text_;
  Ref<IWidget> score_text_;
  Ref<IWidget> menu_button_;

  TPlayClock clock_;
  TScoreCounter score_;
  TSuccessChain chain_;
  TWrongClickHeat heat_;
  TPlayHint hint_;
  TMouseButtons mouse_buttons_;

  bool timed_ = false;
  bool input_blocked_ = false;
  bool paused_ = true;
  bool locked_ = true;
  bool show_obscuring_ = true;
  bool close_animation_pending_ = false;
  // The level was won or lost; nothing decides it again.
  bool decided_ = false;
  // The statistics of the decided level were asked for: a second end of
  // the same level shows and enters nothing again.
  bool ended_ = false;
  // The level was set up and its clock started: its results count.
  bool started_ = false;
  // Between the level's start and its end, for the trace.
  bool level_running_ = false;
  int32_t screen_time_ = 0;
  int32_t blink_step_ = 0;
  int32_t last_find_time_ = -1;
  int32_t hints_used_ = 0;
  int32_t wrong_clicks_ = 0;
  int32_t success_clicks_ = 0;
  std::string tutorial_factory_;

  // Widgets the scene generator made that the level has not taken yet.
  std::vector<Ref<IWidget>> unclaimed_;
  bool carrying_ = false;
  Ref<ISceneObjectDef> carried_object_;
  Ref<IWidget> carried_widget_;
  TPoint last_mouse_;
  bool taken_this_click_ = false;
  // A placement is being recorded and judged; the level's end it brings is
  // traced after it.
  bool placing_ = false;
  bool decided_won_ = false;
  std::optional<std::string> pending_end_reason_;
  // Points the level manager adds while it judges a click, for the trace.
  bool judging_click_ = false;
  int32_t click_points_ = 0;
};

}  // namespace corvellane
