// game_managers_owner_interface.h: IGameManagersOwner, the play screen as
// the level manager, the panel manager and the play scenarios see it.
//
// A level is played by three kinds of helpers that all talk to one screen:
// the level manager (level_manager_interface.h) judges clicks and keeps the
// targets, the panel manager (panel_manager_interface.h) shows what is left
// to find, and the play scenarios (state_scenario_game_manager.h) animate
// finds, hints and the start and end of a level. None of them holds the
// screen: each keeps this interface as a plain back link (SetOwner), and the
// scenarios find it through their widget tree.
//
//   owner->AddToGroup(widget, TPlayGroup::Objects);
//   Ref<IWidget> w = owner->CreateSceneObject(vase, l2, 0, TPlayGroup::Objects);
//   owner->AddScore(FindPoints(owner->GetTimeSinceFind()));
//
// It is also the scene generator's owner (scene_generator_interface.h):
// GetSceneDefRefs, GetCurrentCase (the case of the level), the generator's
// CreateSceneObject, ResolveSceneObject (a scene object widget's
// "sceneobjectdef" and "location") and ReleaseSceneObject come from there.
//
// Groups: every operation that takes a group names one of the screen's
// widget groups by TPlayGroup; TPlayGroup::None (or any other number) means
// no group, and the operation then does what it can without one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/params.h"
#include "persistence/ref.h"
#include "story/scene_def_interface.h"
#include "story/scene_generator_interface.h"
#include "story/user_game_data_interface.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct ILevelManager;
struct IItemListPanel;

// The play screen's widget groups.
enum class TPlayGroup : int32_t {
  None = 0,
  Animation = 1,     // "animation_group": effects, scenarios, carried objects
  Objects = 2,       // "objects_group": scene objects of the one-scene modes
  LeftObjects = 3,   // "left_part/objects_group": the left half (find identical)
  RightObjects = 4,  // "right_part/objects_group": the right half
  Background = 5,    // "background_group": the scene's pictures
};

// The screen path of each group's widget, as find and hint scenarios name
// their widgets ("objects_group/vase_l2"); empty for no group.
constexpr std::string_view PlayGroupPath(TPlayGroup group) {
  switch (group) {
    case TPlayGroup::Animation: return "animation_group";
    case TPlayGroup::Objects: return "objects_group";
    case TPlayGroup::LeftObjects: return "left_part/objects_group";
    case TPlayGroup::RightObjects: return "right_part/objects_group";
    case TPlayGroup::Background: return "background_group";
    default: return {};
  }
}

// Where the play screen keeps its object panel, as panel item scenarios
// name the items ("ui_group/panel_scrollarea/ui_obj_list_panel/vase").
inline constexpr std::string_view kObjectPanelPath = "ui_group/panel_scrollarea/ui_obj_list_panel";

struct IGameManagersOwner : virtual ISceneGeneratorOwner {
  // The game.
  virtual IGameScreenOwner* GetGameScreenOwner() = 0;
  virtual Ref<IUserGameData> GetUserGameData() = 0;
  // The case is GetCurrentCase (ISceneGeneratorOwner).
  virtual Ref<IUGDStage> GetStage() = 0;
  virtual Ref<IUGDTask> GetTask() = 0;
  virtual Ref<ILevelManager> GetLevelManager() = 0;
  // "ui_group/panel_scrollarea/ui_obj_list_panel"; none when the screen has none.
  virtual Ref<IItemListPanel> GetPanelWidget() = 0;

  // A widget of the window's factory of that name; none without such a factory.
  virtual Ref<IWidget> CreateScreenWidget(std::string_view factory_name, IParamCollection* params) = 0;
  // The window's FindWidget.
  virtual Ref<IWidget> FindScreenWidget(std::string_view path) = 0;

  // The object's widget at the location in the group (FindObjectWidget);
  // when there is none, a new one of the factory "widget_sceneobject" from
  // the object's widget parameters at that location, its anchor left lowered
  // by shift, its "sceneobjectdef" and "location" set, visible as the window
  // is, added to the group when there is one.
  virtual Ref<IWidget> CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location, int32_t shift,
                                         TPlayGroup group) = 0;
  using ISceneGeneratorOwner::CreateSceneObject;
  // The widget's "sceneobjectdef", or none.
  virtual Ref<ISceneObjectDef> GetWidgetObject(IWidget* widget) = 0;
  // In the group (the objects group for TPlayGroup::None): the child named
  // object + "_" + location, else the child named after the object.
  virtual Ref<IWidget> FindObjectWidget(ISceneObjectDef* object, ISceneObjectLocation* location,
                                        TPlayGroup group) = 0;
  // FindObjectWidget at the location; without one, the first of the
  // object's locations that has a widget.
  virtual Ref<IWidget> FindAnyObjectWidget(ISceneObjectDef* object, TPlayGroup group,
                                           ISceneObjectLocation* location) = 0;
  // A scene object the hint may point at (a target not yet found, no hint
  // running on it), the first one or one at random; `prefix` is the path of
  // its group plus "/". False when there is none.
  virtual bool PickHintTarget(std::string& prefix, Ref<IWidget>& widget, bool random) = 0;
  // Generates the story scene when it has not been generated; the scene
  // then becomes the current story scene (the previous one the second).
  // False when it is not generated.
  virtual bool PrepareScene(IUGDScene* scene) = 0;
  // Replaces a child of the same name (marked finished first); no group:
  // the widget is dropped.
  virtual void AddToGroup(Ref<IWidget> widget, TPlayGroup group) = 0;

  // The target counter shows the level manager's GetRemaining.
  virtual void UpdateTargetCounter() = 0;
  virtual void AddScore(int32_t points) = 0;
  // Takes the time off a timed clock (adds it to an untimed one), at most
  // 1000 ms a frame.
  virtual void AdvanceClock(int32_t ms) = 0;
  // Clock, fades and hint stop while paused; clicks are ignored.
  virtual void SetLevelPaused(bool paused) = 0;
  virtual bool IsLevelPaused() = 0;
  // Clicks are ignored and "black_screen" fades in while blocked.
  virtual void SetInputBlocked(bool blocked) = 0;
  virtual bool IsInputBlocked() = 0;
  // base, or base1, base2...: the first no widget of the animation group bears.
  virtual std::string MakeEffectName(std::string_view base) = 0;
  // The factory's widget, named MakeEffectName(factory_name), into the
  // animation group; params may be none.
  virtual void RunEffect(std::string_view factory_name, IParamCollection* params) = 0;

  // The clock ran out.
  virtual void LoseLevel() = 0;
  // The level manager found the last target.
  virtual void WinLevel() = 0;
  // The end animation is over: the statistics follow.
  virtual void EndLevel(bool complete) = 0;
  // Closes the screen with the result (after its close animation).
  virtual void LeaveScreen(Ref<IParamCollection> result) = 0;
  // The in-game tutorial text of the task, when it has one.
  virtual void ShowTutorial() = 0;
  // Milliseconds since the last find (or the level's start).
  virtual int32_t GetTimeSinceFind() = 0;
  // Sets the widget's visibility; nothing for no widget.
  virtual void ShowWidget(IWidget* widget, bool visible) = 0;
  // The scene objects of a panel item that has come into view catch clicks
  // again (in the hidden-names mode every object of the same caption).
  virtual void EnableItemObjects(IWidget* item_widget) = 0;
};

}  // namespace corvellane
