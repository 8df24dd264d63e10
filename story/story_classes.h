// story_classes.h: registering the story's classes by type name.
//
//   RegisterStoryClasses();   // from RegisterAllGameClasses (game/class_list.cpp)
#pragma once

namespace corvellane {

// "scene_def_ref", "scene_def", "scene_object_def", "category",
// "user_game_data", "corvellane_scene_generator" and the rest of the story's
// persistent classes, so data can name them.
void RegisterStoryClasses();

}  // namespace corvellane
