// Arbitrary bytes as the scenario of a new story (plain XML or enciphered
// with the definitions key) and, the same bytes, as the story text a player's
// profile holds: a new story is started from the scenario and played through
// by completing the current task again and again (the progress rules on
// whatever cases, stages and tasks there are, or none), then kept in a
// profile; the profiles are saved and loaded back (the second save must give
// the same text), and the story loaded back from the profile must save as it
// did. Bad data may give an empty story; it must never crash or loop.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "records/user_profile_collection.h"
#include "story/story_file.h"
#include "story/story_progress.h"
#include "story/user_game_data.h"

namespace {

using namespace corvellane;

constexpr size_t kMaxInputSize = 64 * 1024;
// More than any story has tasks; the rules must end the story before.
constexpr int kMostSteps = 400;

// The first open task of the current stage; none when there is none.
Ref<IUGDTask> OpenTask(IUGDStage& stage) {
  for (int i = 0; i < stage.GetTasks()->Count(); ++i)
    if (Ref<IUGDTask> task = stage.GetTasks()->Get(Variant(i)); task && !task->GetCompleted()) return task;
  return nullptr;
}

void PlayThrough(IUserGameData& story) {
  for (int step = 0; step < kMostSteps; ++step) {
    Ref<IUGDCase> story_case = CurrentCase(story);
    Ref<IUGDStage> stage = CurrentStage(story);
    Ref<IUGDTask> task = stage ? OpenTask(*stage) : nullptr;
    if (!story_case || !stage || !task) return;
    if (CompleteTask(story, *story_case, *stage, *task) == TProgressStep::StoryFinished) return;
  }
}

std::string ProfilesText(TUserProfileCollection& profiles) { return StoryDocumentText(&profiles, "userprofiles"); }

void KeepInAProfile(TUserGameData& story, const std::string& data_text) {
  auto profiles = CreateObject<TUserProfileCollection>();
  Ref<IUserProfile> player = profiles->GetOrCreateProfile("player");
  profiles->GetOrCreateProfile("other")->SetDataText(data_text);
  profiles->SelectProfile("player");
  player->SetDataText(story.SaveToText());
  const std::string first = ProfilesText(*profiles);
  auto loaded = CreateObject<TUserProfileCollection>();
  loaded->LoadFrom(OpenStorageText(first).get());
  if (ProfilesText(*loaded) != first) std::abort();

  auto again = CreateObject<TUserGameData>();
  again->AttachAndLoad(loaded.get(), loaded->GetCurrentProfile().get());
  if (again->SaveToText() != story.SaveToText()) std::abort();
  auto other = CreateObject<TUserGameData>();
  other->AttachAndLoad(loaded.get(), loaded->GetProfile(Variant("other")).get());
  other->SaveToText();
  for (TUserGameData* item : {again.get(), other.get()}) item->Cleanup();
  profiles->Cleanup();
  loaded->Cleanup();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (SetLogLevel(LogLevel::Silent), true);
  (void)quiet;
  if (size > kMaxInputSize) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  auto story = CreateObject<TUserGameData>();
  try {
    Ref<IHierStorageRoot> scenario = ParseStoryText(text, "default.ini");
    StartNewStory(*story, scenario.get());
  } catch (const EStorageParseError&) {
  }
  for (int copy = 0; copy < kStoryCopies; ++copy) {
    story->SelectCopy(copy);
    PlayThrough(*story);
  }
  KeepInAProfile(*story, text);
  story->Cleanup();
  return 0;
}
