// The story played through as a player plays it, by the built program with
// input scripts: a first start (the player types a name), every task of the
// first case against the clock, the agency's desk before the date and after
// it, the pairs book at the end of the case, back to the main menu and one
// task at leisure. Each run finishes the level the last one opened (a level
// left by quitting resumes) and opens the next one; the trace of that run
// names the next level's targets. The files the runs saved ("users.dat",
// "highscores.dat", "records.dat", read back by the game's own classes) must
// hold exactly the scores the traces report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/class_list.h"
#include "records/record_table_collection.h"
#include "records/record_value.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/saved_records.h"
#include "tests/story_screens/story_setup.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kClickGapMs = 1500;
constexpr TPoint kContinueButton{726, 650};  // the level statistics
constexpr TPoint kDeskClose{930, 732};
constexpr TPoint kBookClose{512, 736};
constexpr TPoint kMapMainMenu{80, 733};
// After the last find the statistics are up; after Continue the map is.
constexpr int kStatisticsMs = 7000;
constexpr int kBackOnMapMs = 6000;
// A screen opened over the map has shown itself and its animations.
constexpr int kScreenUpMs = 3000;
// After a pin is clicked, the level has loaded and said where its targets are.
constexpr int kLevelStartMs = 6000;

// The first case's tasks in the order the map offers them, with their pins.
struct Task {
  const char* name;
  TPoint pin;
};
constexpr Task kFirstCase[] = {
    {"petals_1", {520, 205}}, {"petals_2", {160, 150}}, {"margins_1", {160, 150}},
    {"margins_2", {520, 205}}, {"picnic_1", {175, 540}},
};
constexpr int kDateTask = 4;  // its stage shows the desk when it starts and when it ends

// Every target clicked from `at` on (find places: the panel's first item,
// always the next one, is taken and dropped on its place); `at` ends after
// the last click.
std::string ClickEveryTarget(const JsonValue& start, int& at) {
  std::string script;
  const std::vector<JsonValue> order = ClickOrder(start);
  for (const JsonValue& target : order) {
    if (start["mode"].Int() == 4) script += ClickAt(at - 300, CentreOf(order.front()["panel"]));
    script += ClickAt(at, PointOf(target["point"]));
    at += kClickGapMs;
  }
  return script;
}

// The task's level as the trace started it; a failure when it did not
// start once. (A run also resumes the level the last one left.)
JsonValue TheLevelStart(const std::vector<JsonValue>& trace, std::string_view task) {
  std::vector<JsonValue> starts;
  for (const JsonValue& start : Events(trace, "level_start"))
    if (start["task"].text == task) starts.push_back(start);
  if (starts.size() != 1) {
    ADD_FAILURE() << "the level of " << task << " did not start once (" << starts.size() << " starts)";
    return {};
  }
  return starts.front();
}

// Finishing a level: every target, the statistics and back to the map.
std::string FinishLevel(const JsonValue& start, int& at) {
  at = kFirstClickMs;
  std::string script = ClickEveryTarget(start, at);
  script += ClickAt(at + kStatisticsMs, kContinueButton);
  at += kStatisticsMs + kBackOnMapMs;
  return script;
}

class StoryPlaythrough : public ::testing::Test {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }

  // One run's level: won, its statistics entered once; kept for the checks.
  void ExpectWonAndEntered(const std::vector<JsonValue>& trace, std::string_view task) {
    const std::vector<JsonValue> ends = Events(trace, "level_end");
    ASSERT_FALSE(ends.empty()) << task;
    EXPECT_TRUE(ends.front()["won"].flag) << task << " is the run's first level to end, and is won";
    for (size_t i = 1; i < ends.size(); ++i)
      EXPECT_EQ(ends[i]["reason"].text, "quit") << "a level opened after " << task << " is only left";
    const std::vector<JsonValue> stats = Events(trace, "level_stat");
    ASSERT_EQ(stats.size(), 1u) << task;
    EXPECT_EQ(Events(trace, "records_saved").size(), 1u) << task;
    stats_.push_back(stats.front());
  }

  TempDir dir_;
  std::vector<JsonValue> stats_;
};

TEST_F(StoryPlaythrough, FromAFirstStartThroughTheFirstCaseToThePairsBookAndATaskAtLeisure) {
  TPlayProgram game(dir_, "story");

  // A first start: the name, the timed Play button once the menu has
  // risen again, the first pin.
  std::string script = "7000 text Tester\n7600 key Enter\n" + ClickAt(11000, kPlayButtons[0]) +
                       ClickAt(13000, kFirstCase[0].pin) + QuitAt(13000 + kLevelStartMs);
  JsonValue start = TheLevelStart(game.Run(script), kFirstCase[0].name);
  ASSERT_TRUE(start.Has("targets"));
  EXPECT_TRUE(start["timed"].flag);

  for (int i = 0; i < kDateTask; ++i) {
    const TaskPlace place{0, "", 0, kFirstCase[i].name, kFirstCase[i].pin};
    int at = 0;
    script = OpeningScript(place) + FinishLevel(start, at);
    // The date's stage starts with the desk over the map.
    if (i + 1 == kDateTask) {
      script += ClickAt(at, kDeskClose);
      at += kScreenUpMs;
    }
    script += ClickAt(at, kFirstCase[i + 1].pin) + QuitAt(at + kLevelStartMs);
    const std::vector<JsonValue> trace = game.Run(script);
    ExpectWonAndEntered(trace, kFirstCase[i].name);
    start = TheLevelStart(trace, kFirstCase[i + 1].name);
    ASSERT_TRUE(start.Has("targets")) << "after " << kFirstCase[i].name;
  }

  // The date: the full desk, the pairs book, the main menu, then the first
  // task at leisure.
  {
    const TaskPlace place{0, "", 0, kFirstCase[kDateTask].name, kFirstCase[kDateTask].pin};
    int at = 0;
    script = OpeningScript(place) + FinishLevel(start, at);
    script += ClickAt(at, kDeskClose) + ClickAt(at + kScreenUpMs, kBookClose);
    at += 2 * kScreenUpMs;
    script += ClickAt(at, kMapMainMenu) + ClickAt(at + kScreenUpMs, kPlayButtons[1]) +
              ClickAt(at + 2 * kScreenUpMs, kFirstCase[0].pin) + QuitAt(at + 2 * kScreenUpMs + kLevelStartMs);
    const std::vector<JsonValue> trace = game.Run(script);
    ExpectWonAndEntered(trace, kFirstCase[kDateTask].name);
    start = TheLevelStart(trace, kFirstCase[0].name);
    ASSERT_TRUE(start.Has("targets"));
    EXPECT_FALSE(start["timed"].flag) << "the copy at leisure";
  }
  {
    const TaskPlace place{1, "", 0, kFirstCase[0].name, kFirstCase[0].pin};
    int at = 0;
    script = OpeningScript(place) + FinishLevel(start, at);
    script += QuitAt(at);
    ExpectWonAndEntered(game.Run(script), kFirstCase[0].name);
  }
  ASSERT_EQ(stats_.size(), std::size(kFirstCase) + 1);

  // The story: the first case done and its book shown, the next case begun
  // at the next ten's first level; at leisure one task.
  Ref<TUserGameData> story = ReadSavedStory(game.Settings(), "Tester");
  ASSERT_TRUE(story);
  story->SelectCopy(0);
  EXPECT_EQ(story->GetCurrentCaseName(), "bert");
  EXPECT_EQ(story->GetLevel(), 11);
  Ref<IUGDCase> first_case = story->GetCases()->Get(Variant("marguerite"));
  ASSERT_TRUE(first_case);
  EXPECT_TRUE(first_case->GetCompleted());
  EXPECT_EQ(ParamText(first_case->GetParams().get(), "completed", ""), "yes") << "the pairs book was shown";
  Ref<IUGDStage> date = first_case->GetStages()->Get(Variant("picnic"));
  EXPECT_EQ(ParamText(date->GetParams().get(), "desktop_was_shown", ""), "yes");
  EXPECT_EQ(ParamText(date->GetParams().get(), "show_desktop", ""), "no") << "the full desk was shown";
  EXPECT_EQ(story->GetScores(), stats_[std::size(kFirstCase) - 1]["total"].Int());
  story->SelectCopy(1);
  EXPECT_EQ(story->GetCurrentCaseName(), "marguerite");
  EXPECT_EQ(story->GetLevel(), 2);
  EXPECT_EQ(story->GetScores(), stats_.back()["total"].Int());

  // Each level's statistics: the level's number, the copy, the running total.
  Ref<THighScores> high_scores = ReadSavedHighScores(game.Settings());
  Ref<TLevelRecords> levels = ReadSavedLevelRecords(game.Settings());
  int64_t running[2] = {0, 0};
  int entries[2] = {0, 0};
  for (const JsonValue& stat : stats_) {
    const int copy = static_cast<int>(stat["copy"].Int());
    ASSERT_TRUE(copy == 0 || copy == 1);
    const int64_t gained = stat["level_points"].Int() + stat["time_bonus"].Int() + stat["hints_bonus"].Int() +
                           stat["mistakes_bonus"].Int();
    running[copy] += gained;
    EXPECT_EQ(stat["total"].Int(), running[copy]) << "level " << stat["level"].Int() << " of copy " << copy;
    EXPECT_EQ(stat["level"].Int(), ++entries[copy]) << "one level after the other";
    Ref<ILevelRecord> record =
        levels->GetTables()->GetTable(Variant(std::to_string(copy)))->GetLevelRecord(int32_t(stat["level"].Int()));
    ASSERT_TRUE(record) << "level " << stat["level"].Int();
    EXPECT_EQ(record->GetIntValue("Score", -1, false), stat["level_points"].Int());
    EXPECT_EQ(record->GetTextValue("Scorename", "", false), "Tester");
  }
  // A player has one high-score entry a table, updated after every level
  // even when the new total is lower: it holds the copy's last level and total.
  for (int copy = 0; copy < 2; ++copy) {
    Ref<IRecordCollection> records =
        high_scores->GetTables()->GetTable(Variant(std::to_string(copy)))->GetRecords();
    const JsonValue* last = nullptr;
    for (const JsonValue& stat : stats_)
      if (stat["copy"].Int() == copy) last = &stat;
    ASSERT_TRUE(last) << "a level was played in copy " << copy;
    int tester_entries = 0;
    for (int i = 0; i < records->Count(); ++i) {
      Ref<IRecord> entry = records->GetRecord(i);
      if (ParamText(entry->GetParams().get(), "Player", "") != "Tester") continue;
      ++tester_entries;
      EXPECT_EQ(ParamText(entry->GetParams().get(), "Level", ""), std::to_string((*last)["level"].Int()))
          << "table " << copy;
      EXPECT_EQ(entry->GetScore(), (*last)["total"].Int()) << "table " << copy;
    }
    EXPECT_EQ(tester_entries, 1) << "one entry for the player in table " << copy;
  }
}

}  // namespace
}  // namespace corvellane::testing
