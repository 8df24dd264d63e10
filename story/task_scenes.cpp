#include "story/task_scenes.h"

#include <set>

#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "story/object_list.h"
#include "story/scene_generator.h"
#include "story/scene_trial.h"
#include "story/story_file.h"
#include "story/ugd_case.h"

namespace corvellane {

namespace {

std::string Param(IParamCollection* params, std::string_view key, std::string_view fallback = {}) {
  return params ? params->GetNamedValue(key, Variant(fallback)).ToText() : std::string(fallback);
}

// How many different objects a scene list holds.
int DistinctObjects(std::string_view list) {
  std::set<std::string> objects;
  for (const std::string& entry : SplitList(list)) objects.emplace(ObjectOfEntry(entry));
  return static_cast<int>(objects.size());
}

int32_t AskedCount(IUGDScene& scene, IUGDCase& story_case, const TTaskList& list) {
  if (list.count_key.empty()) return 0;
  int32_t asked = scene.GetParams()->GetNamedValue(list.count_key, Variant(0)).ToInt(0);
  if (asked == 0 && list.names_key == "io_names")
    asked = story_case.GetParams()->GetNamedValue(list.count_key, Variant(0)).ToInt(0);
  return asked;
}

// A copy of the case, for generations that must not touch the player's story.
Ref<IUGDCase> CopyOfCase(IUGDCase& story_case) {
  auto* source = dynamic_cast<IPersistable*>(&story_case);
  Ref<TUGDCase> copy = CreateObject<TUGDCase>();
  if (!source) return copy;
  Ref<IHierStorageRoot> document = OpenStorageText(StoryDocumentText(source, "case"));
  copy->LoadFrom(document.get());
  return copy;
}

std::string SceneLabel(std::string_view name) { return "scene \"" + std::string(name) + "\""; }

// The problems of one scene before generation; its definition when it reads.
Ref<ISceneDef> OpenTaskScene(ISceneDefRefCollection& refs, IUGDCase& story_case, const std::string& name,
                             std::vector<std::string>& problems) {
  if (name.empty()) {
    problems.push_back("names no scene");
    return nullptr;
  }
  if (!story_case.GetScenes()->Get(Variant(name))) {
    problems.push_back("names " + SceneLabel(name) + ", which its case does not have");
    return nullptr;
  }
  Ref<ISceneDefRef> ref = FindSceneDefRef(refs, story_case, name);
  if (!ref) {
    problems.push_back("names " + SceneLabel(name) + ", which the scene list does not have");
    return nullptr;
  }
  Ref<ISceneDef> def = ref->OpenSceneDef();
  if (!def->IsLoadedFromFile()) problems.push_back(SceneLabel(name) + ": " + ref->GetFileName() + " cannot be read");
  return def->IsLoadedFromFile() ? def : nullptr;
}

}  // namespace

std::vector<std::string> TaskSceneNames(IUGDTask& task) {
  std::vector<std::string> names{Param(task.GetParams().get(), "scenename")};
  if (task.GetTaskType() == static_cast<int32_t>(TTaskType::FindIdentical))
    names.push_back(Param(task.GetParams().get(), "scenename2"));
  return names;
}

Ref<ISceneDefRef> FindSceneDefRef(ISceneDefRefCollection& refs, IUGDCase& story_case, std::string_view scene_name) {
  if (Ref<ISceneDefRef> ref = refs.Get(Variant(scene_name))) return ref;
  Ref<IUGDScene> scene = story_case.GetScenes()->Get(Variant(scene_name));
  const std::string own = scene ? Param(scene->GetParams().get(), "scenename") : std::string();
  return own.empty() ? nullptr : refs.Get(Variant(own));
}

std::vector<TTaskList> TaskLists(int32_t task_type) {
  switch (static_cast<TTaskType>(task_type)) {
    case TTaskType::HiddenShapes:
    case TTaskType::HiddenNames: return {{"ho_names", "ho_count", "hidden objects"}};
    case TTaskType::FindIdentical: return {{"io_names", "io_count", "identical objects"}};
    case TTaskType::HiddenParts: return {{"co_names", "", "complete objects"}, {"hp_names", "", "hidden parts"}};
    case TTaskType::FindPlaces: return {{"do_names", "do_count", "objects to place"}};
  }
  return {};
}

std::vector<std::string> SupplyProblems(IUGDScene& scene, IUGDCase& story_case, int32_t task_type) {
  std::vector<std::string> problems;
  const std::vector<TTaskList> lists = TaskLists(task_type);
  if (lists.empty()) problems.push_back("has the unknown task type " + FormatInt(task_type));
  for (const TTaskList& list : lists) {
    const int found = DistinctObjects(Param(scene.GetParams().get(), list.names_key, kEmptyList));
    const int32_t asked = AskedCount(scene, story_case, list);
    if (found == 0)
      problems.push_back(SceneLabel(scene.GetName()) + " has no " + std::string(list.what) + " for it");
    else if (found < asked)
      problems.push_back(SceneLabel(scene.GetName()) + " asks for " + FormatInt(asked) + " " + std::string(list.what) +
                         " but can give only " + FormatInt(found));
  }
  return problems;
}

std::vector<std::string> TaskProblems(ISceneDefRefCollection& refs, IUGDCase& story_case, IUGDTask& task) {
  std::vector<std::string> problems;
  const std::vector<std::string> names = TaskSceneNames(task);
  for (const std::string& name : names) OpenTaskScene(refs, story_case, name, problems);
  if (!problems.empty()) return problems;
  Ref<IUGDCase> trial_case = CopyOfCase(story_case);
  auto owner = MakeRef<TSceneTrialOwner>(Ref<ISceneDefRefCollection>(&refs), trial_case);
  auto generator = CreateObject<TCorvellaneSceneGenerator>();
  generator->SetOwner(owner.get());
  for (const std::string& name : names) {
    Ref<IUGDScene> scene = trial_case->GetScenes()->Get(Variant(name));
    generator->GenerateScene(scene.get(), task.GetTaskType());
    for (std::string& problem : SupplyProblems(*scene, *trial_case, task.GetTaskType()))
      problems.push_back(std::move(problem));
  }
  generator->ClearGenerator();
  if (auto* persist = dynamic_cast<IPersistObject*>(trial_case.get())) persist->Cleanup();
  return problems;
}

bool CanOfferTask(ISceneDefRefCollection& refs, IUGDCase& story_case, IUGDTask& task) {
  return TaskProblems(refs, story_case, task).empty();
}

}  // namespace corvellane
