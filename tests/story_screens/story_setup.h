// story_setup.h: a settings folder with one player whose story stands at a
// chosen stage, written with the game's own story classes, and the story the
// game saved there, read back the same way.
//
//   WriteStoryAtStage(settings, "Tester", "margins", 1);   // margins_1 done: margins_2 is next
//   WriteStoryAtStage(settings, "Tester", "petals", 0, {{"petals_1", {{"given_time", "12000"}}}});
//   ... the game plays ...
//   Ref<TUserGameData> saved = ReadSavedStory(settings, "Tester");
//   saved->SelectCopy(0);
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "story/user_game_data.h"

namespace corvellane::testing {

// Both copies of the demo scenario at the first case's stage `stage`, the
// stages before it completed and its first `tasks_done` tasks completed
// (and counted, as the map counts a won task); the file "users.dat" of the
// folder holds the player, current, with that story.
// `task_params` are set on every task or stage of that name in both copies
// (name -> parameter -> value), e.g. {{"petals_1", {{"given_time", "12000"}}}}
// or {{"picnic", {{"desktop_was_shown", "yes"}}}}.
using TaskParamChanges = std::map<std::string, std::map<std::string, std::string>, std::less<>>;
void WriteStoryAtStage(const std::filesystem::path& settings, std::string_view player, std::string_view stage,
                       int tasks_done, const TaskParamChanges& task_params = {});

// "users.dat" of the folder holds the player, current, with that story.
void WriteSavedStory(const std::filesystem::path& settings, std::string_view player, TUserGameData& story);
// The player's saved story changed in place (both copies; the edit selects
// the copy it changes), e.g. a won task left for the map to count:
//   EditSavedStory(settings, "Tester", [](TUserGameData& story) { ... });
void EditSavedStory(const std::filesystem::path& settings, std::string_view player,
                    const std::function<void(TUserGameData&)>& edit);

// The player's story as "users.dat" keeps it; none when there is none.
Ref<TUserGameData> ReadSavedStory(const std::filesystem::path& settings, std::string_view player);

// The task of the copy's case and stage, or none.
Ref<IUGDTask> StoryTask(IUserGameData& story, int copy, std::string_view case_name, std::string_view stage,
                        std::string_view task);

}  // namespace corvellane::testing
