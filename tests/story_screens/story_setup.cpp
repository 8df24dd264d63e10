#include "tests/story_screens/story_setup.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "persistence/cipher.h"
#include "persistence/object_io.h"
#include "persistence/xml_storage.h"
#include "records/user_profile.h"
#include "shell/declarations.h"
#include "story/story_file.h"
#include "story/story_progress.h"
#include "tests/support/test_folders.h"
#include "xml/xml_writer.h"

namespace corvellane::testing {

namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::filesystem::path UsersFile(const std::filesystem::path& settings) {
  return settings / std::string(product::UserProfilesFileName);
}

std::string_view ProfilesKey() { return product::FileKeyText(product::FileKey::Profiles); }

void SetParams(std::string_view item, IParamCollection& params, const TaskParamChanges& changes) {
  if (auto found = changes.find(item); found != changes.end())
    for (const auto& [name, value] : found->second) params.SetNamedValue(name, Variant(value));
}

// The current copy's first case at the stage: earlier stages and the first
// tasks of this one completed.
void MoveCopyToStage(IUserGameData& story, std::string_view stage_name, int tasks_done,
                     const TaskParamChanges& task_params) {
  Ref<IUGDCase> story_case = CurrentCase(story);
  if (!story_case) throw std::runtime_error("the scenario has no first case");
  Ref<IUGDStageCollection> stages = story_case->GetStages();
  for (int i = 0; i < stages->Count(); ++i) {
    Ref<IUGDStage> stage = stages->Get(Variant(i));
    const bool current = stage->GetName() == stage_name;
    SetParams(stage->GetName(), *stage->GetParams(), task_params);
    Ref<IUGDTaskCollection> tasks = stage->GetTasks();
    for (int t = 0; t < tasks->Count(); ++t) {
      Ref<IUGDTask> task = tasks->Get(Variant(t));
      SetParams(task->GetName(), *task->GetParams(), task_params);
    }
    for (int t = 0; t < tasks->Count() && (!current || t < tasks_done); ++t) {
      Ref<IUGDTask> task = tasks->Get(Variant(t));
      task->SetCompleted(true);
      task->GetParams()->SetNamedValue("progress_counted", Variant("yes"));
    }
    if (current) {
      story_case->SetCurrentStageName(stage_name);
      return;
    }
    stage->SetCompleted(true);
  }
  throw std::runtime_error("no stage " + std::string(stage_name));
}

}  // namespace

void WriteStoryAtStage(const std::filesystem::path& settings, std::string_view player, std::string_view stage,
                       int tasks_done, const TaskParamChanges& task_params) {
  const std::string scenario_path = TestSourceDir() + "/content/game/data/ini/scenarios/default.ini.xml";
  Ref<IHierStorageRoot> scenario = ParseStoryText(ReadAll(scenario_path), scenario_path);
  if (!scenario) throw std::runtime_error("cannot read " + scenario_path);
  Ref<TUserGameData> story = CreateObject<TUserGameData>();
  StartNewStory(*story, scenario.get());
  for (int copy = 0; copy < kStoryCopies; ++copy) {
    story->SelectCopy(copy);
    MoveCopyToStage(*story, stage, tasks_done, task_params);
  }
  story->SelectCopy(0);
  WriteSavedStory(settings, player, *story);
}

void WriteSavedStory(const std::filesystem::path& settings, std::string_view player, TUserGameData& story) {
  const std::string name = EscapeXmlValue(player);
  const std::string xml = "<userprofiles current_user_profile_name=\"" + name + "\"><userprofile name=\"" + name +
                          "\" type=\"user_profile\"><datastorage>" + EscapeXmlValue(story.SaveToText()) +
                          "</datastorage></userprofile></userprofiles>";
  std::filesystem::create_directories(settings);
  std::ofstream(UsersFile(settings), std::ios::binary) << EncryptText(ProfilesKey(), xml);
}

void EditSavedStory(const std::filesystem::path& settings, std::string_view player,
                    const std::function<void(TUserGameData&)>& edit) {
  Ref<TUserGameData> story = ReadSavedStory(settings, player);
  if (!story) throw std::runtime_error("no story of " + std::string(player));
  edit(*story);
  story->SelectCopy(0);
  WriteSavedStory(settings, player, *story);
}

Ref<TUserGameData> ReadSavedStory(const std::filesystem::path& settings, std::string_view player) {
  Ref<IHierStorageRoot> root = OpenStorageText(DecryptText(ProfilesKey(), ReadAll(UsersFile(settings))), "users.dat");
  for (int i = 0; root && i < root->GetChildCount("userprofile"); ++i) {
    Ref<IHierStorage> node = root->GetChild("userprofile", i);
    if (node->GetValue("name", Variant("")).ToText() != player) continue;
    Ref<TUserProfile> profile = CreateObject<TUserProfile>();
    profile->SetDataText(node->GetChildText("datastorage").ToText());
    Ref<TUserGameData> story = CreateObject<TUserGameData>();
    story->AttachAndLoad(nullptr, profile.get());
    story->Detach();
    return story;
  }
  return nullptr;
}

Ref<IUGDTask> StoryTask(IUserGameData& story, int copy, std::string_view case_name, std::string_view stage,
                        std::string_view task) {
  story.SelectCopy(copy);
  Ref<IUGDCase> story_case = story.GetCases()->Get(Variant(case_name));
  Ref<IUGDStage> found_stage = story_case ? story_case->GetStages()->Get(Variant(stage)) : nullptr;
  return found_stage ? found_stage->GetTasks()->Get(Variant(task)) : nullptr;
}

}  // namespace corvellane::testing
