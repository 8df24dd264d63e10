// The level statistics as a player meets them: the built program plays a
// task to its end, the statistics come up over the play screen, Continue
// goes back to the map. What the program saved ("users.dat",
// "highscores.dat", "records.dat", read back by the game's own classes) must
// hold exactly the score of the trace with the bonuses of the rows, entered
// once. A level left by quitting the program must be found again, with its
// score, when the program starts again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/class_list.h"
#include "records/record_table_collection.h"
#include "records/record_value.h"
#include "story_screens/level_bonuses.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/saved_records.h"
#include "tests/story_screens/story_setup.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kClickGapMs = 1500;
// The statistics' Continue button, on the screen.
constexpr TPoint kContinueButton{726, 650};
// After the last find: the win's animation has opened the statistics.
constexpr int kStatisticsMs = 7000;
// After Continue: the play screen has closed and the map counted the task.
constexpr int kBackOnMapMs = 6000;

struct StatCase {
  const char* name;
  TaskPlace place;
};

const StatCase kStatCases[] = {
    {"AgainstTheClock", {0, "petals", 0, "petals_1", {520, 205}}},
    {"AtLeisure", {1, "petals", 0, "petals_1", {520, 205}}},
};

// Clicks the targets in order from the first click on; the time after the
// last one.
std::string ClickTargets(const std::vector<JsonValue>& targets, int& at) {
  std::string script;
  at = kFirstClickMs;
  for (const JsonValue& target : targets) {
    script += ClickAt(at, PointOf(target["point"]));
    at += kClickGapMs;
  }
  return script;
}

// The one line of that event; a null value (and a failure) otherwise.
JsonValue OnlyEvent(const std::vector<JsonValue>& trace, std::string_view event) {
  const std::vector<JsonValue> found = Events(trace, event);
  EXPECT_EQ(found.size(), 1u) << "\"" << event << "\" lines in the trace";
  return found.size() == 1 ? found.front() : JsonValue{};
}

class LevelStatRun : public ::testing::TestWithParam<StatCase> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }
  TempDir dir_;
};

TEST_P(LevelStatRun, AWonLevelEntersTheTracesScoreWithItsBonusesOnceIntoEverySavedFile) {
  const TaskPlace& place = GetParam().place;
  const JsonValue start = FirstLevelStart(dir_, place);
  const std::vector<JsonValue> targets = ClickOrder(start);
  ASSERT_FALSE(targets.empty());

  int at = 0;
  std::string script = OpeningScript(place) + ClickTargets(targets, at);
  script += ClickAt(at + kStatisticsMs, kContinueButton) + QuitAt(at + kStatisticsMs + kBackOnMapMs);
  TPlayProgram game(dir_, "won", place);
  const std::vector<JsonValue> trace = game.Run(script);

  const JsonValue end = OnlyEvent(trace, "level_end");
  ASSERT_TRUE(end["won"].flag);
  const JsonValue stat = OnlyEvent(trace, "level_stat");
  OnlyEvent(trace, "records_saved");

  const bool timed = place.copy == 0;
  const TLevelBonuses bonuses = LevelBonuses(
      {int32_t(end["time_s"].Int()), int32_t(end["hints_used"].Int()), int32_t(end["mistakes"].Int())}, timed, true);
  const int64_t story_before = start["score"].Int();
  const int64_t level_points = end["score"].Int() - story_before;
  const int64_t total = end["score"].Int() + bonuses.time + bonuses.hints + bonuses.mistakes;
  EXPECT_GT(level_points, 0);
  EXPECT_TRUE(stat["complete"].flag);
  EXPECT_EQ(stat["copy"].Int(), place.copy);
  EXPECT_EQ(stat["level_points"].Int(), level_points);
  EXPECT_EQ(stat["time_bonus"].Int(), bonuses.time);
  EXPECT_EQ(stat["hints_bonus"].Int(), bonuses.hints);
  EXPECT_EQ(stat["mistakes_bonus"].Int(), bonuses.mistakes);
  EXPECT_EQ(stat["total"].Int(), total);

  Ref<TUserGameData> story = ReadSavedStory(game.Settings(), "Tester");
  ASSERT_TRUE(story);
  story->SelectCopy(place.copy);
  EXPECT_EQ(story->GetScores(), total) << "the story's total, bonuses counted once";
  EXPECT_EQ(story->GetLevel(), 2) << "back on the map the task is counted";
  Ref<IUGDTask> task = StoryTask(*story, place.copy, "marguerite", place.stage, place.task);
  ASSERT_TRUE(task);
  EXPECT_TRUE(task->GetCompleted());

  Ref<THighScores> high_scores = ReadSavedHighScores(game.Settings());
  for (int table = 0; table < 2; ++table) {
    Ref<IRecordCollection> records =
        high_scores->GetTables()->GetTable(Variant(std::to_string(table)))->GetRecords();
    if (table != place.copy) {
      EXPECT_EQ(records->Count(), 0) << "the other way of playing's table";
      continue;
    }
    ASSERT_EQ(records->Count(), 1) << "one entry for one level";
    Ref<IRecord> entry = records->GetRecord(0);
    EXPECT_EQ(entry->GetScore(), total);
    EXPECT_EQ(ParamText(entry->GetParams().get(), "Player", ""), "Tester");
    EXPECT_EQ(ParamText(entry->GetParams().get(), "Level", ""), "1");
  }

  Ref<TLevelRecords> levels = ReadSavedLevelRecords(game.Settings());
  Ref<ILevelRecord> record =
      levels->GetTables()->GetTable(Variant(std::to_string(place.copy)))->GetLevelRecord(1);
  ASSERT_TRUE(record) << "the level's record";
  EXPECT_EQ(record->GetIntValue("Score", -1, false), level_points);
  EXPECT_EQ(record->GetTextValue("Scorename", "", false), "Tester");
  EXPECT_EQ(record->GetIntValue("time", -1, false), end["time_s"].Int());
  EXPECT_EQ(record->GetTextValue("timename", "", false), "Tester");
}

INSTANTIATE_TEST_SUITE_P(Copies, LevelStatRun, ::testing::ValuesIn(kStatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LevelLeftByQuitting, TheNextStartOfTheProgramResumesItWithItsScoreAndFinds) {
  RegisterAllGameClasses();
  TempDir dir;
  const TaskPlace place = kStatCases[0].place;
  const JsonValue start = FirstLevelStart(dir, place);
  std::vector<JsonValue> targets = ClickOrder(start);
  ASSERT_GE(targets.size(), 2u);
  targets.resize(targets.size() / 2);

  TPlayProgram game(dir, "quit", place);
  int at = 0;
  const std::string clicks = ClickTargets(targets, at);
  const std::vector<JsonValue> first = game.Run(OpeningScript(place) + clicks + QuitAt(at + 3000));
  const std::vector<JsonValue> finds = Events(first, "find");
  ASSERT_EQ(finds.size(), targets.size());
  int64_t earned = 0;
  for (const JsonValue& find : finds) earned += find["points"].Int() + find["bonus"].Int();
  EXPECT_TRUE(Events(first, "level_stat").empty()) << "quitting is no end of the level";

  const std::vector<JsonValue> second = game.Run(OpeningScript(place) + QuitAt(kFirstClickMs));
  const std::vector<JsonValue> starts = Events(second, "level_start");
  ASSERT_EQ(starts.size(), 1u) << "the same task opens again";
  const JsonValue& resumed = starts.front();
  EXPECT_EQ(resumed["task"].text, place.task);
  EXPECT_EQ(resumed["score"].Int(), start["score"].Int() + earned) << "the points found before quitting";
  EXPECT_EQ(resumed["remaining"].Int(), start["remaining"].Int() - int64_t(targets.size()))
      << "the objects found stay found";
  EXPECT_LT(resumed["clock_ms"].Int(), start["clock_ms"].Int()) << "the clock goes on where it stood";

  Ref<TUserGameData> story = ReadSavedStory(game.Settings(), "Tester");
  ASSERT_TRUE(story);
  story->SelectCopy(place.copy);
  EXPECT_EQ(story->GetLevel(), 1) << "nothing was completed";
}

}  // namespace
}  // namespace corvellane::testing
