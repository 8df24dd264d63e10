// play_fixture.h: a small play screen for the play layer's tests.
//
// TPlayTestOwner is the owner the level managers, panel managers and play
// scenarios talk to (IGameManagersOwner): it holds a real widget tree, on a
// headless engine, with the play screen's groups ("objects_group",
// "left_part/objects_group", "animation_group", the object panel at
// "ui_group/panel_scrollarea/ui_obj_list_panel"...) and the factories the
// layer asks for, and it records what the layer asks of the screen (score,
// effects, the won level...). It is also the tree's event handler, so
// scenarios in the tree find it.
//
// PlayTest writes small scene files into a temporary folder, builds a case
// with a task of a mode and plays it:
//
//   TEST_F(PlayTest, Something) {
//     Scene("s", Obj("vase", 0, 40, 40, {{"l1", 100, 100}}));
//     Story(R"(<scene name="s"><params>...ho_names...</params></scene>)", 0);
//     Ref<ILevelManager> level = Start(0);
//     level->ClickObject(SceneWidget("vase_l1").get(), {100, 100});
//   }
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "persistence/object.h"
#include "play/abstract_panel_manager.h"
#include "play/game_managers_owner_interface.h"
#include "play/level_manager_interface.h"
#include "story/scene_def_ref.h"
#include "story/ugd_case.h"
#include "tests/support/temp_dir.h"
#include "tests/widgets/test_screen.h"
#include "widgets/event_handler_interface.h"

namespace corvellane::testing {

// What the play layer asked the screen to show through RunEffect.
struct TRecordedEffect {
  std::string factory;
  std::map<std::string, std::string> params;
};

class TPlayTestOwner : public TNamedObject, public virtual IGameManagersOwner, public virtual IEventHandler {
 public:
  Ref<IWidget> root;
  Ref<ISceneDefRefCollection> refs;
  Ref<IUGDCase> story_case;
  Ref<IUGDTask> task;
  Ref<ILevelManager> level;
  IEngine* engine = nullptr;

  int32_t score = 0;
  int32_t time_since_find = 5000;
  int wins = 0;
  int counter_updates = 0;
  bool paused = false;
  bool input_blocked = false;
  std::vector<bool> ended;  // EndLevel(complete) calls
  int leaves = 0;
  int tutorials = 0;
  std::vector<TRecordedEffect> effects;
  std::vector<std::string> enabled_items;

  // ---- ISceneGeneratorOwner ----
  Ref<ISceneDefRefCollection> GetSceneDefRefs() override { return refs; }
  Ref<IUGDCase> GetCurrentCase() override { return story_case; }
  Ref<IObject> CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location) override;
  bool ResolveSceneObject(IObject* scene_object, Ref<ISceneObjectDef>& object,
                          Ref<ISceneObjectLocation>& location) override;
  void ReleaseSceneObject(IObject* scene_object) override;

  // ---- IGameManagersOwner ----
  IGameScreenOwner* GetGameScreenOwner() override { return nullptr; }
  Ref<IUserGameData> GetUserGameData() override { return nullptr; }
  Ref<IUGDStage> GetStage() override { return nullptr; }
  Ref<IUGDTask> GetTask() override { return task; }
  Ref<ILevelManager> GetLevelManager() override { return level; }
  Ref<IItemListPanel> GetPanelWidget() override;
  Ref<IWidget> CreateScreenWidget(std::string_view factory_name, IParamCollection* params) override;
  Ref<IWidget> FindScreenWidget(std::string_view path) override { return root->FindWidget(path); }
  Ref<IWidget> CreateSceneObject(ISceneObjectDef* object, ISceneObjectLocation* location, int32_t shift,
                                 TPlayGroup group) override;
  Ref<ISceneObjectDef> GetWidgetObject(IWidget* widget) override;
  Ref<IWidget> FindObjectWidget(ISceneObjectDef* object, ISceneObjectLocation* location, TPlayGroup group) override;
  Ref<IWidget> FindAnyObjectWidget(ISceneObjectDef* object, TPlayGroup group, ISceneObjectLocation* location) override;
  bool PickHintTarget(std::string& prefix, Ref<IWidget>& widget, bool random) override { return false; }
  bool PrepareScene(IUGDScene* scene) override;
  void AddToGroup(Ref<IWidget> widget, TPlayGroup group) override;
  void UpdateTargetCounter() override { ++counter_updates; }
  void AddScore(int32_t points) override { score += points; }
  void AdvanceClock(int32_t ms) override {}
  void SetLevelPaused(bool flag) override { paused = flag; }
  bool IsLevelPaused() override { return paused; }
  void SetInputBlocked(bool flag) override { input_blocked = flag; }
  bool IsInputBlocked() override { return input_blocked; }
  std::string MakeEffectName(std::string_view base) override;
  void RunEffect(std::string_view factory_name, IParamCollection* params) override;
  void LoseLevel() override {}
  void WinLevel() override { ++wins; }
  void EndLevel(bool complete) override { ended.push_back(complete); }
  void LeaveScreen(Ref<IParamCollection> result) override { ++leaves; }
  void ShowTutorial() override { ++tutorials; }
  int32_t GetTimeSinceFind() override { return time_since_find; }
  void ShowWidget(IWidget* widget, bool visible) override {
    if (widget) widget->SetVisible(visible);
  }
  void EnableItemObjects(IWidget* item_widget) override;

  // ---- IEventHandler ----
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override {}
  IEngine* GetEngine() override { return engine; }
  IGameScreenOwner* GetScreenOwner() override { return nullptr; }

  // The group widget of a group number.
  Ref<IWidget> Group(TPlayGroup group);
};

class PlayTest : public ::testing::Test {
 protected:
  PlayTest();
  ~PlayTest() override;

  // A scene file "<name>.ini" with these object definitions (and scene factories).
  void Scene(std::string_view name, std::string_view object_defs, std::string_view factories = "",
             int32_t part_shift = 256);
  // The case "c" with these scene elements and one task of the type naming
  // the scene "s" (and "s2" as the second one).
  void Story(std::string_view scenes, int32_t task_type);
  // The scene of the case.
  Ref<IUGDScene> StoryScene(std::string_view name = "s");
  std::string SceneParam(std::string_view key, std::string_view scene = "s");
  // The level and panel managers of the mode, set up as the play screen does;
  // the panel reads the layout given to the panel widget (SetLayout first).
  Ref<ILevelManager> Start(int32_t task_type);
  // A hidden-shapes level in the scene "s" whose hidden objects, 40 x 40,
  // stand at (100, 100), (200, 100)... in the order named.
  Ref<ILevelManager> StartHiddenShapes(std::string_view layout, const std::vector<std::string>& names);
  // Layout values of the object panel ("shapes_interval=10;...").
  void SetLayout(std::string_view values);
  Ref<IWidget> SceneWidget(std::string_view name, TPlayGroup group = TPlayGroup::Objects);
  Ref<TAbstractPanelManager> Panel();
  // Item names in panel order.
  std::vector<std::string> ItemNames();
  // A factory of the screen (replacing one of the same name).
  void AddFactory(std::string_view name, std::string_view widget_xml);
  // A widget of a screen factory into the animation group, as the screen runs effects.
  Ref<IWidget> RunScreenFactory(std::string_view factory, std::string_view params);
  // Removes every widget of the group.
  void ClearGroup(TPlayGroup group);
  // Advances the screen's tree by one frame.
  void Frame(int32_t ms = 16);

  TempDir dir_;
  THeadlessPlatform platform_;
  Ref<TEngine> engine_;
  Ref<TTestScreen> screen_ = MakeRef<TTestScreen>();
  Ref<TPlayTestOwner> owner_ = MakeRef<TPlayTestOwner>();
  Ref<TSceneDefRefCollection> refs_;
  std::string scene_list_;
};

// One object definition: name, type, picture size and locations
// ("l1:100:200" or "l1:100:200:zoomx:zoomy:angle"), and extra attributes.
std::string Obj(std::string_view name, int type, int width, int height, std::vector<std::string> locations,
                std::string_view attributes = "");
// <param name=".." value=".."/>
std::string Param(std::string_view name, std::string_view value);
// A scene element of the case, generated, with these parameters.
std::string GeneratedScene(std::string_view name, std::string_view params);

}  // namespace corvellane::testing
