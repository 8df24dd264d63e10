// level_manager_interface.h: ILevelManager, the rule book of one level.
//
// A level is one task of the story played in one scene (two side by side
// in the find-identical mode). The play screen creates the level manager
// of the task's play mode by type name and drives it:
//
//   Ref<ILevelManager> level = QueryInterface<ILevelManager>(CreateNamed("LevelManagerHiddenShapes", "LevelManager"));
//   level->SetOwner(screen);                       // the panel manager too
//   Ref<IResourceDefCollection> defs = level->LoadScenes();   // loading screen
//   level->RunShowFactories();
//   if (!level->SetupLevel()) ... close the screen ...
//   ...
//   if (level->ClickObject(hit, point)) ... a find: its scenario runs ...
//   level->ObjectActivated(widget);                // the find animation ended
//   ...
//   level->ReleaseScenes();                        // the level ends
//
// Type names and modes (task types 0 to 4): "LevelManagerHiddenShapes",
// "LevelManagerHiddenNames", "LevelManagerFindIdentical",
// "LevelManagerHiddenParts", "LevelManagerFindPlaces".
//
// What is found is written into the story scene at once (its discovered
// list, ";vase/l2;cup/l1;"), so a level left half-played resumes with those
// objects found.
#pragma once

#include <cstdint>
#include <string>

#include "engine/resource_definition.h"
#include "engine/surface_rect.h"
#include "persistence/object.h"
#include "story/scene_def_interface.h"
#include "story/user_game_data_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct IGameManagersOwner;

struct ILevelManager : virtual INamedObject {
  // Keeps the owner (a plain back link, forgotten by ReleaseScenes), takes
  // the panel manager from its object panel and starts with no targets.
  virtual void SetOwner(IGameManagersOwner* owner) = 0;
  // Lets the scene definitions go, forgets targets, panel manager and owner.
  virtual void ReleaseScenes() = 0;
  // Opens the task's scene definitions; their resource definitions for the
  // loading screen, none when a scene or its definition is missing.
  virtual Ref<IResourceDefCollection> LoadScenes() = 0;
  // Builds the scene's widgets and the targets; false when something is missing.
  virtual bool SetupLevel() = 0;
  // The player clicked a scene object widget: true for a find.
  virtual bool ClickObject(IWidget* widget, TPoint point) = 0;
  // A click that hit nothing.
  virtual void OnIdle() = 0;
  // The find animation of the widget's object is over: the find is recorded.
  virtual void ObjectActivated(IWidget* widget) = 0;
  // Targets not found yet, and all targets of the level (found included).
  virtual int32_t GetRemaining() = 0;
  virtual int32_t GetTotal() = 0;
  // The free location of the object under the point (find places); none
  // when no location matches. No scene: the level's own.
  virtual Ref<ISceneObjectLocation> FindLocationAt(ISceneObjectDef* object, TPoint point, IUGDScene* scene) = 0;
  // The scene's discovered list becomes empty (";").
  virtual void ResetDiscovered(IUGDScene* scene) = 0;
  // The scene's discovered list (";" when none).
  virtual std::string GetDiscovered(IUGDScene* scene) = 0;
  // The object is one of the level's targets and its panel item is in view.
  virtual bool IsTarget(ISceneObjectDef* object) = 0;
  // The scene definitions' own show factories.
  virtual void RunShowFactories() = 0;
};

}  // namespace corvellane
