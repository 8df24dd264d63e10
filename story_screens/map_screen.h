// map_screen.h: TCorvellaneGameScreenMap ("CorvellaneGameScreenMap"), the
// town map: the hub of the story, from which the player starts each task.
//
// The main screen's two Play buttons open it with the copy of the story to
// play, "play_mode" 0 (against the clock) or 1 (at leisure):
//
//   <widget type="ButtonControl" name="button_play_timed" actiontype="showgamescreen"
//           gamescreenname="GS_Map" gamescreenparams="\play_mode=0" .../>
//
// Opening loads the current player's story from their profile, or starts a
// new story from "data\ini\scenarios\default.ini" when the profile has none,
// selects the copy and publishes the story as the game value
// "UserGameData" (where the play screen finds it). The map shows the town
// of the current case ("map_background_image" of the case, in
// "background_widget") and one label per task of the current stage in
// "task_label_group": the factory "map_task_label_widget" for a task, and
// "selected_task_label_widget" for the selected one, both made from the
// case's map label ("map_label_name" of the task) with "name" = the task.
// A completed task's label restarts its child "task_label_completed" and
// takes no clicks; an open task's child "task_label_active" shows the
// number of objects left in its "count_text".
//
// Clicking a label selects its task ("sound_maplabel_select"); clicking the
// selected label again, or the button "button_start", opens "GS_Game" with
// "case", "stage", "task" and "play_mode". A completed task cannot start
// again.
//
// When the play screen closes, the progress rules of the story apply
// (story/story_progress.h): a completed task may complete its stage, the
// stage its case, the case moves the story to the next case, and the level
// number rises. Each completed task is counted exactly once (its parameter
// "progress_counted"), so a level won just before the program ended is
// counted when the map next opens, and a map reopened is never counted
// twice; the story is saved to the profile each time. "user_quit" in the
// play screen's result (the player chose the main menu) closes the map too.
//
// A stage may open a start screen ("start_screen_name") and the desktop
// ("GS_Desktop", "show_desktop") when it starts; when it ends, the full
// desktop (the player compares the candidates with the client) and an end
// screen; the end of a case opens the pairs book ("GS_PairsBook") once. The
// progress of a task waits for the desktop or the book to close. A stage
// without tasks or a case without a stage left is stepped over with a
// warning, and a story with nothing left starts the copy again and closes
// the map, so the map never waits on something that cannot be played.
//
// The selected card shows a picture of the task's scene: the definition's
// "img_ScenePreview", loaded once under "img_ScenePreview_<scene>" into the
// map's own preview group, or "img_Unknown_ScenePreview" when the scene, its
// definition or the picture is missing. A first date adds the date's
// portrait beside the client's card; a find-identical task adds the first
// scene's person and photograph beside the second scene's card; the card
// then keeps far enough from the map's left edge to show them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/resource_definition.h"
#include "screens/game_screen.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TCorvellaneGameScreenMap : public TGameScreen {
 public:
  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void Close() override;
  bool MouseEvent(const PlatformEvent& event) override;
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;

  // For tests: the story as the map holds it.
  Ref<IUserGameData> GetStory() const { return story_; }
  const std::string& GetSelectedTaskName() const { return selected_task_name_; }

 protected:
  void ApplyOpenParams(IParamCollection* parameters) override;
  void OnOpened(IParamCollection* parameters) override;

 private:
  void CreateStory();
  void ReleaseStory();
  void PublishSceneList();
  void SaveStory();
  void ShowCaseBackground();
  void StageStart(IUGDStage* stage);
  void ShowPending();
  // The map is the top screen: its black cover goes.
  void UncoverWhenOnTop();
  void BuildLabels();
  void SelectTask();
  void UpdateLabelStates();
  Ref<IWidget> CreateTaskLabel(IUGDTask& task, bool selected);
  int32_t WriteCardParams(IUGDTask& task, IParamCollection& params);
  std::string ScenePreviewName(IUGDScene* scene);
  int32_t ObjectsLeft(IUGDTask& task);
  void StartTask();
  void UpdateProgress(bool from_listed);
  enum class TCountResult { kCounted, kWaiting, kClosing };
  Ref<IUGDTask> UncountedTask(IUGDStage& stage);
  // The progress rules for one completed task: kWaiting when a desktop or
  // the pairs book was shown first, kClosing when the story finished.
  TCountResult CountTask(IUGDCase& story_case, IUGDStage& stage, IUGDTask& task);
  bool EnsurePlayableStage();
  bool StageEnd(IUGDStage& stage);
  bool ShowDesktop(bool full);
  bool ShowPairsBook(IUGDCase& story_case);
  void StoryFinished();
  void CloseMap(Ref<IParamCollection> result);
  Ref<IUGDCase> Case();
  Ref<IUGDStage> Stage();
  Ref<IWidget> LabelAt(TPoint point);

  Ref<IUserGameData> story_;
  int copy_ = 0;
  std::string selected_task_name_;
  Ref<IWidget> selected_label_;
  std::string pending_screen_;
  bool no_map_after_screen_ = false;
  Ref<IParamCollection> label_params_;
  Ref<IWidget> label_group_;
  Ref<IWidget> background_;
  Ref<IWidget> animation_group_;
  Ref<TResourceDefCollection> previews_;
  TMouseButtons mouse_buttons_;
};

}  // namespace corvellane
