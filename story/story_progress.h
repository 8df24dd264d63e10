// story_progress.h: the rules that move a player through the story.
//
// The map and play screens call these; they act on the selected copy of the
// story data. A won level completes its task; back on the map the task's
// stage counts as completed when its flag is set or every task is completed,
// the case likewise over its stages. A completed case moves the story to the
// first case that is not completed, with the level raised to the next
// multiple of 10 ((level div 10) x 10 + 10); a completed stage of an open
// case moves to the case's next stage; and every completed task raises the
// level by 1 after that, so the first task of a new case plays at
// (old level div 10) x 10 + 11.
//
//   TProgressStep step = CompleteTask(*story, *story_case, *stage, *task);
//   if (step == TProgressStep::StoryFinished) ... the pairs book, the end ...
//   story->SaveToProfile();
//
// A story without cases, or a case without stages or tasks, is no error:
// there is then no current case or stage, and an empty stage or case counts
// as complete.
#pragma once

#include <cstdint>

#include "persistence/storage.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

enum class TProgressStep {
  NextTask,       // the stage goes on
  NextStage,      // the stage was completed; the case's next stage is current
  NextCase,       // the case was completed; the next open case is current
  StoryFinished,  // the case was completed and every other case is too
};

// The case named by the copy's current case name; none when none matches.
Ref<IUGDCase> CurrentCase(IUserGameData& story);
// The current case's stage named by its current stage name, or none.
Ref<IUGDStage> CurrentStage(IUserGameData& story);
// Its flag, or every task completed.
bool IsStageComplete(IUGDStage& stage);
// Its flag, or every stage complete.
bool IsCaseComplete(IUGDCase& story_case);
// (level div 10) x 10 + 10, held below the largest level.
int32_t NextCaseLevel(int32_t level);
// The case's current stage when it is not completed, else its first stage
// that is not completed; none when every stage is.
Ref<IUGDStage> NextStage(IUGDCase& story_case);
// The copy's first case that is not completed, or none.
Ref<IUGDCase> FirstOpenCase(IUserGameData& story);

// The level of the selected copy rises by 1 (held below the largest level).
void RaiseLevel(IUserGameData& story);
// The case becomes current, at its next stage (NextStage).
void EnterCase(IUserGameData& story, IUGDCase& story_case);

// Marks the task completed and applies the rules above.
TProgressStep CompleteTask(IUserGameData& story, IUGDCase& story_case, IUGDStage& stage, IUGDTask& task);
// The rules for a task of the stage that was just completed.
TProgressStep ApplyProgress(IUserGameData& story, IUGDCase& story_case, IUGDStage& stage);

// A new story: both copies from the scenario's "cases0" and "cases1", each
// at its first case and that case's first stage. Without a scenario the
// copies are empty.
void StartNewStory(IUserGameData& story, IHierStorage* scenario);
// The selected copy alone starts again from the scenario.
void RestartCopy(IUserGameData& story, IHierStorage* scenario);

}  // namespace corvellane
