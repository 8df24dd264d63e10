#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/localization.h"
#include "persistence/log.h"
#include "records/user_profile_collection.h"
#include "story/story_progress.h"
#include "story/user_game_data.h"
#include "tests/story/story_fixture.h"

namespace corvellane {
namespace {

using testing::DemoStoryTest;
using testing::Parse;
using testing::Saved;

// A profile list that keeps its profiles in memory and counts the saves.
class TMemoryProfiles : public TUserProfileCollection {
 public:
  int saves = 0;
  bool SaveProfiles() override {
    ++saves;
    return true;
  }
};

class DemoStory : public DemoStoryTest {};

TEST_F(DemoStory, ANewStoryStartsBothCopiesAtTheirFirstCaseAndStage) {
  Ref<TUserGameData> story = NewStory();
  for (int copy = 0; copy < kStoryCopies; ++copy) {
    story->SelectCopy(copy);
    ASSERT_GE(story->GetCases()->Count(), 3);
    EXPECT_EQ(story->GetCurrentCaseName(), story->GetCases()->Get(Variant(0))->GetName());
    Ref<IUGDStage> stage = CurrentStage(*story);
    ASSERT_TRUE(stage);
    EXPECT_EQ(stage, CurrentCase(*story)->GetStages()->Get(Variant(0)));
    EXPECT_EQ(story->GetLevel(), 1);
    EXPECT_EQ(story->GetScores(), 0);
  }
}

TEST_F(DemoStory, TheStoryInAProfileSavesAndLoadsBackToTheSameText) {
  Ref<TUserGameData> story = NewStory();
  story->SelectCopy(1);
  story->SetScores(1234);
  story->SetLevel(17);
  auto profiles = CreateObject<TMemoryProfiles>();
  Ref<IUserProfile> ann = profiles->GetOrCreateProfile("Ann");
  story->AttachAndLoad(profiles.get(), ann.get());  // an empty text loads nothing
  EXPECT_EQ(story->GetScores(), 0);
  story->Detach();

  story = NewStory();
  story->SelectCopy(1);
  story->SetScores(1234);
  story->AttachAndLoad(nullptr, nullptr);
  ann->SetDataText(story->SaveToText());
  const std::string first = story->SaveToText();

  auto loaded = CreateObject<TUserGameData>();
  loaded->AttachAndLoad(profiles.get(), ann.get());
  EXPECT_EQ(loaded->SaveToText(), first);
  loaded->SelectCopy(1);
  EXPECT_EQ(loaded->GetScores(), 0);  // AttachAndLoad of nothing reset the story before
  loaded->SetScores(99);
  EXPECT_TRUE(loaded->SaveToProfile());
  EXPECT_EQ(profiles->saves, 1);
  EXPECT_NE(ann->GetDataText().find("scores1=\"99\""), std::string::npos);
  loaded->Detach();
  EXPECT_FALSE(loaded->SaveToProfile());
}

TEST(StoryData, MissingValuesTakeTheirDefaultsAndFalseFlagsAreNotWritten) {
  auto story = Parse<TUserGameData>(
      R"(<usergamedata currentcase0="a" Level0="4"><cases0><case name="a"><stages><stage name="s">)"
      R"(<tasks><task name="t" completed="no" tasktype="3"/></tasks></stage></stages></case></cases0></usergamedata>)");
  EXPECT_EQ(story->GetScores(), 0);
  EXPECT_EQ(story->GetLevel(), 4);
  story->SelectCopy(1);
  EXPECT_EQ(story->GetLevel(), 1);
  EXPECT_EQ(story->GetCases()->Count(), 0);
  story->SelectCopy(0);
  Ref<IUGDTask> task = story->GetCases()->Get(Variant("a"))->GetStages()->Get(Variant("s"))->GetTasks()->Get(Variant("t"));
  EXPECT_FALSE(task->GetCompleted());
  EXPECT_EQ(task->GetTaskType(), 3);
  const std::string saved = story->SaveToText();
  EXPECT_EQ(saved.find("completed"), std::string::npos);
  EXPECT_NE(saved.find("currentcase1=\"\" scores1=\"0\" Level1=\"1\""), std::string::npos);
  EXPECT_EQ(saved.find("cases1"), std::string::npos);
}

TEST(StoryData, ATextThatDoesNotParseLeavesAnEmptyStoryAndSaysSo) {
  auto profiles = CreateObject<TMemoryProfiles>();
  Ref<IUserProfile> bob = profiles->GetOrCreateProfile("Bob");
  bob->SetDataText("<usergamedata Level0=\"5\"><cases0><case name=\"a\"></cases0>");
  auto story = CreateObject<TUserGameData>();
  TLogCapture log;
  story->AttachAndLoad(profiles.get(), bob.get());
  EXPECT_EQ(story->GetCases()->Count(), 0);
  EXPECT_EQ(story->GetLevel(), 1);
  EXPECT_EQ(log.Count("\"Bob\""), 1);
}

TEST(StoryData, MapLabelDefaultsAndSelectedPosition) {
  auto label = Parse<TUGDMapTaskLabel>(R"(<map_label name="x" anchor_left="5" selected_top="-7"/>)");
  auto params = CreateObject<TParamCollection>();
  label->WriteLabelParams(params.get());
  EXPECT_EQ(params->GetNamedValue("width", Variant()).ToText(), "200");
  EXPECT_EQ(params->GetNamedValue("height", Variant()).ToText(), "200");
  EXPECT_EQ(params->GetNamedValue("resourcename", Variant()).ToText(), "img_Unknown_MapLabel");
  int32_t x = 1, y = 2;
  label->GetSelectedPosition(x, y);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, -7);
  EXPECT_EQ(Saved(*label, "map_label"), R"(<map_label name="x" anchor_left="5" selected_top="-7"/>)");
}

TEST(StoryData, ParticipantTypeIsExactAndTheCaptionFollowsThePattern) {
  struct Case {
    const char* type;
    bool client, ideal;
  };
  for (const Case& c : std::vector<Case>{{"client", true, false},
                                         {"ideal_match", false, true},
                                         {"Client", false, false},
                                         {"", false, false}}) {
    auto person = Parse<TUGDParticipant>(std::string(R"(<participant name="p" type=")") + c.type + "\"/>");
    EXPECT_EQ(person->IsClient(), c.client) << c.type;
    EXPECT_EQ(person->IsIdealMatch(), c.ideal) << c.type;
    const std::string written = c.client ? R"(<participant name="p" type="client"/>)"
                                : c.ideal  ? R"(<participant name="p" type="ideal_match"/>)"
                                           : R"(<participant name="p"/>)";
    EXPECT_EQ(Saved(*person, "participant"), written) << c.type;
  }
  CreateMultiLanguages();
  MultiLanguages()->AddString("participant_caption_pattern", "%participant_name% (%participant_age%)");
  MultiLanguages()->AddString("name_bert", "Bert Ames");
  auto bert = Parse<TUGDParticipant>(R"(<participant name="bert" caption="%name_bert%" age="41"/>)");
  EXPECT_EQ(bert->GetDisplayCaption(), "Bert Ames (41)");
  MultiLanguages()->AddString("participant_caption_pattern", "");
  EXPECT_EQ(bert->GetDisplayCaption(), "Bert Ames (41)");  // kept until the next load
  Ref<IHierStorageRoot> again = OpenStorageText(R"(<participant name="bert" caption="%name_bert%" age="41"/>)");
  bert->LoadFrom(again.get());
  EXPECT_EQ(bert->GetDisplayCaption(), "Bert Ames");  // no pattern: the caption alone
  ReleaseMultiLanguages();
}

// A story of four cases: case c<n> has stages s1, s2 of two tasks each.
Ref<TUserGameData> FourCases() {
  std::string xml = R"(<usergamedata currentcase0="c2" Level0="17"><cases0>)";
  for (int c = 1; c <= 4; ++c) {
    xml += "<case name=\"c" + std::to_string(c) + "\" currentstage=\"s1\"><stages>";
    for (int s = 1; s <= 2; ++s)
      xml += "<stage name=\"s" + std::to_string(s) + "\"><tasks><task name=\"a\"/><task name=\"b\"/></tasks></stage>";
    xml += "</stages></case>";
  }
  return Parse<TUserGameData>(xml + "</cases0></usergamedata>");
}

TEST(StoryProgress, CompletingTasksMovesThroughStagesAndCases) {
  struct Case {
    const char* name;
    std::vector<std::string> done_before;  // case/stage/task completed first
    bool case3_completed;
    int32_t level;
    const char* task;  // the one completed now, in case c2
    TProgressStep step;
    const char* current_case;
    const char* current_stage;
    int32_t level_after;
  };
  const std::vector<Case> cases{
      {"a task of an open stage", {}, false, 17, "s1/a", TProgressStep::NextTask, "c2", "s1", 18},
      {"the last task of a stage", {"s1/a"}, false, 17, "s1/b", TProgressStep::NextStage, "c2", "s2", 18},
      {"the last task of the case", {"s1/a", "s1/b", "s2/a"}, false, 17, "s2/b", TProgressStep::NextCase, "c1", "s1",
       21},
      {"from level 20", {"s1/a", "s1/b", "s2/a"}, false, 20, "s2/b", TProgressStep::NextCase, "c1", "s1", 31},
  };
  for (const Case& c : cases) {
    Ref<TUserGameData> story = FourCases();
    story->SetLevel(c.level);
    Ref<IUGDCase> two = story->GetCases()->Get(Variant("c2"));
    auto task_at = [&](std::string_view path) {
      Ref<IUGDStage> stage = two->GetStages()->Get(Variant(path.substr(0, 2)));
      return std::make_pair(stage, stage->GetTasks()->Get(Variant(path.substr(3))));
    };
    for (const std::string& done : c.done_before) task_at(done).second->SetCompleted(true);
    auto [stage, task] = task_at(c.task);
    EXPECT_EQ(CompleteTask(*story, *two, *stage, *task), c.step) << c.name;
    EXPECT_EQ(story->GetCurrentCaseName(), c.current_case) << c.name;
    EXPECT_EQ(CurrentCase(*story)->GetCurrentStageName(), c.current_stage) << c.name;
    EXPECT_EQ(story->GetLevel(), c.level_after) << c.name;
  }
}

TEST(StoryProgress, TheNextCaseIsTheFirstOpenOneAndNoneFinishesTheStory) {
  Ref<TUserGameData> story = FourCases();
  for (const char* name : {"c1", "c3"}) story->GetCases()->Get(Variant(name))->SetCompleted(true);
  Ref<IUGDCase> two = story->GetCases()->Get(Variant("c2"));
  two->GetStages()->Get(Variant("s1"))->SetCompleted(true);
  Ref<IUGDStage> last = two->GetStages()->Get(Variant("s2"));
  last->GetTasks()->Get(Variant("a"))->SetCompleted(true);
  EXPECT_EQ(CompleteTask(*story, *two, *last, *last->GetTasks()->Get(Variant("b"))), TProgressStep::NextCase);
  EXPECT_EQ(story->GetCurrentCaseName(), "c4");
  EXPECT_TRUE(two->GetCompleted());
  EXPECT_EQ(story->GetLevel(), 21);

  Ref<IUGDCase> four = story->GetCases()->Get(Variant("c4"));
  for (int s = 0; s < 2; ++s) four->GetStages()->Get(Variant(s))->SetCompleted(true);
  Ref<IUGDStage> stage = four->GetStages()->Get(Variant(1));
  EXPECT_EQ(ApplyProgress(*story, *four, *stage), TProgressStep::StoryFinished);
  EXPECT_EQ(story->GetCurrentCaseName(), "");
  EXPECT_FALSE(CurrentCase(*story));
  EXPECT_FALSE(CurrentStage(*story));
}

TEST(StoryProgress, TheCopiesAreKeptApart) {
  Ref<TUserGameData> story = FourCases();
  story->SelectCopy(1);
  EXPECT_EQ(story->GetCases()->Count(), 0);
  story->SetLevel(40);
  story->SetCurrentCaseName("c1");
  story->SelectCopy(0);
  EXPECT_EQ(story->GetLevel(), 17);
  EXPECT_EQ(story->GetCurrentCaseName(), "c2");
  story->SelectCopy(7);
  EXPECT_EQ(story->GetSelectedCopy(), 0);
}

TEST(StoryProgress, EmptyStoriesCasesAndStagesAreNoError) {
  auto story = CreateObject<TUserGameData>();
  StartNewStory(*story, nullptr);
  EXPECT_FALSE(CurrentCase(*story));
  EXPECT_FALSE(FirstOpenCase(*story));
  Ref<IHierStorageRoot> no_stages = OpenStorageText(R"(<usergamedata><cases0><case name="x"/></cases0></usergamedata>)");
  StartNewStory(*story, no_stages.get());
  Ref<IUGDCase> only = CurrentCase(*story);
  ASSERT_TRUE(only);
  EXPECT_FALSE(CurrentStage(*story));
  EXPECT_TRUE(IsCaseComplete(*only));
  EXPECT_FALSE(NextStage(*only));
  story->SelectCopy(1);
  EXPECT_FALSE(CurrentCase(*story));
  EXPECT_EQ(NextCaseLevel(17), 20);
  EXPECT_EQ(NextCaseLevel(2147483640), 2147483646);
}

}  // namespace
}  // namespace corvellane
