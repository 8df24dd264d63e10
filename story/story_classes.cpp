#include "story/story_classes.h"

#include "persistence/class_registry.h"
#include "story/category.h"
#include "story/scene_def.h"
#include "story/scene_def_ref.h"
#include "story/scene_generator.h"
#include "story/user_game_data.h"

namespace corvellane {

void RegisterStoryClasses() {
  RegisterClass<TSceneDefRef>("scene_def_ref");
  RegisterClass<TSceneDefRefCollection>("scene_def_refs");
  RegisterClass<TSceneDef>("scene_def");
  RegisterClass<TSceneObjectDef>("scene_object_def");
  RegisterClass<TSceneObjectDefCollection>("scene_object_defs");
  RegisterClass<TSceneObjectLocation>("scene_object_location");
  RegisterClass<TSceneObjectLocationCollection>("scene_object_locations");
  RegisterClass<TCorvellaneCategory>("corvellane_category");
  RegisterClass<TCorvellaneCategoryCollection>("corvellane_categories");
  RegisterClass<TUserGameData>("user_game_data");
  RegisterClass<TUGDCase>("ugd_case");
  RegisterClass<TUGDStage>("ugd_stage");
  RegisterClass<TUGDTask>("ugd_task");
  RegisterClass<TUGDScene>("ugd_scene");
  RegisterClass<TUGDParticipant>("ugd_participant");
  RegisterClass<TUGDMapTaskLabel>("ugd_map_label");
  RegisterClass<TCorvellaneSceneGenerator>("corvellane_scene_generator");
}

}  // namespace corvellane
