// task_scenes.h: the scenes a task is played in, and whether they can give
// the task what it needs.
//
// A task names its scene by the parameter "scenename" (and, in the
// find-identical mode, a second one by "scenename2"). The name is looked up
// in the case's scenes, and its definition by the same name in the scene
// list; when the list has no such name, the case scene's own "scenename"
// names the definition.
//
// Before the map offers a task it can ask TaskProblems: every scene must be
// in its case and in the scene list, its file must read, and a trial
// generation (on a copy of the case, so the player's story is untouched)
// must give the task its objects. A missing or unreadable file is logged
// where it is read; the problems say which task it keeps from being played.
//
//   if (!CanOfferTask(*refs, *story_case, *task)) ... the label shows it closed ...
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "story/scene_def_interface.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

// "scenename", then "scenename2" for a find-identical task; empty names are
// kept, as the task then names a scene that is not there.
std::vector<std::string> TaskSceneNames(IUGDTask& task);

// The reference of the case's scene of that name; none when there is none.
Ref<ISceneDefRef> FindSceneDefRef(ISceneDefRefCollection& refs, IUGDCase& story_case, std::string_view scene_name);

// The lists a task of that type plays with ("ho_names"...; none for an
// unknown type).
struct TTaskList {
  std::string_view names_key;
  std::string_view count_key;  // empty: no count asked for
  std::string_view what;       // for messages: "hidden objects"
};
std::vector<TTaskList> TaskLists(int32_t task_type);

// After a generation: what the scene's lists lack for a task of that type
// (no object at all, or fewer objects than the scene's count asks for).
std::vector<std::string> SupplyProblems(IUGDScene& scene, IUGDCase& story_case, int32_t task_type);

// Everything that keeps the task from being played; empty when it can be.
std::vector<std::string> TaskProblems(ISceneDefRefCollection& refs, IUGDCase& story_case, IUGDTask& task);
bool CanOfferTask(ISceneDefRefCollection& refs, IUGDCase& story_case, IUGDTask& task);

}  // namespace corvellane
