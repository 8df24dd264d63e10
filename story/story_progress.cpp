#include "story/story_progress.h"

#include <limits>

#include "persistence/number_text.h"

namespace corvellane {

namespace {

constexpr int32_t kLastLevel = std::numeric_limits<int32_t>::max() - 1;

template <class I, class Test>
bool AllOf(IStoryCollection<I>& items, Test test) {
  for (int i = 0; i < items.Count(); ++i)
    if (Ref<I> item = items.Get(Variant(i)); item && !test(*item)) return false;
  return true;
}

template <class I, class Test>
Ref<I> FirstWhere(IStoryCollection<I>& items, Test test) {
  for (int i = 0; i < items.Count(); ++i)
    if (Ref<I> item = items.Get(Variant(i)); item && test(*item)) return item;
  return nullptr;
}

// The selected copy from the scenario, at its first case and first stage.
void StartCopy(IUserGameData& story, IHierStorage* scenario) {
  const std::string element = "cases" + FormatInt(story.GetSelectedCopy());
  Ref<IHierStorage> cases =
      scenario && scenario->GetChildCount(element) > 0 ? scenario->GetChild(element, 0) : Ref<IHierStorage>();
  story.LoadCopy(cases.get(), story.GetSelectedCopy());
  story.SetCurrentCaseName("");
  Ref<IUGDCase> first = story.GetCases()->Get(Variant(0));
  if (!first) return;
  if (Ref<IUGDStage> stage = first->GetStages()->Get(Variant(0))) first->SetCurrentStageName(stage->GetName());
  story.SetCurrentCaseName(first->GetName());
}

}  // namespace

void RaiseLevel(IUserGameData& story) {
  const int32_t level = story.GetLevel();
  story.SetLevel(level < kLastLevel ? level + 1 : kLastLevel);
}

void EnterCase(IUserGameData& story, IUGDCase& story_case) {
  story.SetCurrentCaseName(story_case.GetName());
  if (Ref<IUGDStage> stage = NextStage(story_case)) story_case.SetCurrentStageName(stage->GetName());
}

Ref<IUGDCase> CurrentCase(IUserGameData& story) {
  const std::string name = story.GetCurrentCaseName();
  return name.empty() ? nullptr : story.GetCases()->Get(Variant(name));
}

Ref<IUGDStage> CurrentStage(IUserGameData& story) {
  Ref<IUGDCase> story_case = CurrentCase(story);
  if (!story_case || story_case->GetCurrentStageName().empty()) return nullptr;
  return story_case->GetStages()->Get(Variant(story_case->GetCurrentStageName()));
}

bool IsStageComplete(IUGDStage& stage) {
  return stage.GetCompleted() || AllOf(*stage.GetTasks(), [](IUGDTask& task) { return task.GetCompleted(); });
}

bool IsCaseComplete(IUGDCase& story_case) {
  return story_case.GetCompleted() ||
         AllOf(*story_case.GetStages(), [](IUGDStage& stage) { return IsStageComplete(stage); });
}

int32_t NextCaseLevel(int32_t level) {
  const int64_t next = static_cast<int64_t>(level) / 10 * 10 + 10;
  return next > kLastLevel ? kLastLevel : static_cast<int32_t>(next);
}

Ref<IUGDStage> NextStage(IUGDCase& story_case) {
  Ref<IUGDStage> current = story_case.GetStages()->Get(Variant(story_case.GetCurrentStageName()));
  if (current && !current->GetCompleted()) return current;
  return FirstWhere(*story_case.GetStages(), [](IUGDStage& stage) { return !stage.GetCompleted(); });
}

Ref<IUGDCase> FirstOpenCase(IUserGameData& story) {
  return FirstWhere(*story.GetCases(), [](IUGDCase& story_case) { return !story_case.GetCompleted(); });
}

TProgressStep CompleteTask(IUserGameData& story, IUGDCase& story_case, IUGDStage& stage, IUGDTask& task) {
  task.SetCompleted(true);
  return ApplyProgress(story, story_case, stage);
}

TProgressStep ApplyProgress(IUserGameData& story, IUGDCase& story_case, IUGDStage& stage) {
  TProgressStep step = TProgressStep::NextTask;
  if (IsStageComplete(stage)) {
    stage.SetCompleted(true);
    step = TProgressStep::NextStage;
    if (IsCaseComplete(story_case)) {
      story_case.SetCompleted(true);
      Ref<IUGDCase> next = FirstOpenCase(story);
      if (!next) {
        story.SetCurrentCaseName("");
        return TProgressStep::StoryFinished;
      }
      story.SetLevel(NextCaseLevel(story.GetLevel()));
      EnterCase(story, *next);
      step = TProgressStep::NextCase;
    } else if (Ref<IUGDStage> next_stage = NextStage(story_case)) {
      story_case.SetCurrentStageName(next_stage->GetName());
    }
  }
  RaiseLevel(story);
  return step;
}

void StartNewStory(IUserGameData& story, IHierStorage* scenario) {
  const int selected = story.GetSelectedCopy();
  for (int n = 0; n < kStoryCopies; ++n) {
    story.SelectCopy(n);
    StartCopy(story, scenario);
  }
  story.SelectCopy(selected);
}

void RestartCopy(IUserGameData& story, IHierStorage* scenario) { StartCopy(story, scenario); }

}  // namespace corvellane
