// Levels that end without a win, played through the built program as a
// player plays them (play_script.h): a timed level lost by its clock, one
// lost by the minute that quick misses cost, misses that cost nothing, and
// a level left in the middle and resumed with its clock, score and counts.
// The traces tell what happened; the saved profile what was kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/class_list.h"
#include "play/play_formulas.h"
#include "story_screens/widget_ops.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/story_setup.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

const TaskPlace kTimedPetals{0, "petals", 0, "petals_1", {520, 205}};
const TaskPlace kRelaxedPetals{1, "petals", 0, "petals_1", {520, 205}};
constexpr int32_t kPenaltyMs = 60000;

struct SavedTask {
  bool completed = false;
  int32_t story_score = -1;
  int32_t scores = -1;
  int32_t task_time = -1;
  int32_t hints_used = -1;
  int32_t wrong_clicks = -1;
  int32_t objects_left = -1;
};

SavedTask ReadSavedTask(const TPlayProgram& game, const TaskPlace& place) {
  SavedTask result;
  Ref<TUserGameData> saved = ReadSavedStory(game.Settings(), "Tester");
  Ref<IUGDTask> task = saved ? StoryTask(*saved, place.copy, "marguerite", place.stage, place.task) : nullptr;
  if (!task) {
    ADD_FAILURE() << "no saved task " << place.task;
    return result;
  }
  result.completed = task->GetCompleted();
  result.story_score = saved->GetScores();
  IParamCollection* params = task->GetParams().get();
  result.scores = ParamInt(params, "scores", -1);
  result.task_time = ParamInt(params, "task_time", -1);
  result.hints_used = ParamInt(params, "hints_used", -1);
  result.wrong_clicks = ParamInt(params, "wrong_clicks", -1);
  result.objects_left = ParamInt(params, "objects_left_count", -1);
  return result;
}

// ---- Misses and the clock ----

struct MissCase {
  const char* name;
  TaskPlace place;
  const char* given_time;
  bool find_first;     // a find before the misses: its points are at stake
  int misses;          // clicks on an empty spot of the scene...
  int miss_gap_ms;     // ...this far apart
  int counted;         // misses counted: none while the penalty darkens the scene
  int penalised_miss;  // the miss that costs a minute (-1: none)
  bool lost;           // the clock runs out
};

const MissCase kMissCases[] = {
    {"TheClockRunsOut", kTimedPetals, "12000", true, 0, 0, 0, -1, true},
    {"SixQuickMissesCostTheLastMinute", kTimedPetals, "40000", true, 6, 300, 6, 5, true},
    {"SixMissesHalfASecondApartCostNothing", kTimedPetals, "600000", false, 6, 500, 6, -1, false},
    // The penalty blocks clicks for its 1.2 s: the seventh is no miss.
    {"AClickWhileThePenaltyDarkensTheSceneIsNoMiss", kTimedPetals, "600000", false, 7, 300, 6, 5, false},
    {"ARelaxedLevelHasNoPenalty", kRelaxedPetals, "40000", false, 6, 300, 6, -1, false},
};

class MissesAndClock : public ::testing::TestWithParam<MissCase> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }
  TempDir dir_;
};

TEST_P(MissesAndClock, DecideTheLevelAsTheRulesSayAndALostLevelKeepsNoPoints) {
  const MissCase& c = GetParam();
  const JsonValue first = FirstLevelStart(dir_, c.place);
  ASSERT_FALSE(ClickOrder(first).empty());
  TPlayProgram game(dir_, "play", c.place, {{"given_time", c.given_time}});
  std::string script = OpeningScript(c.place);
  int at = kFirstClickMs;
  if (c.find_first) {
    script += ClickAt(at, PointOf(ClickOrder(first).front()["point"]));
    at += 1000;
  }
  const TPoint miss = EmptyScenePoint(first);
  for (int i = 0; i < c.misses; ++i, at += c.miss_gap_ms) script += ClickAt(at, miss);
  // A lost level plays its animation and goes back to the map.
  const std::vector<JsonValue> trace = game.Run(script + QuitAt(c.lost ? 45000 : at + 2000));

  const std::vector<JsonValue> starts = Events(trace, "level_start");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts.front()["clock_ms"].Int(), c.place.copy == 0 ? std::stoi(c.given_time) : 0);
  const std::vector<JsonValue> finds = Events(trace, "find");
  ASSERT_EQ(finds.size(), c.find_first ? 1u : 0u);
  const std::vector<JsonValue> misses = Events(trace, "wrong_click");
  ASSERT_EQ(misses.size(), static_cast<size_t>(c.counted));
  for (int i = 0; i < c.counted; ++i)
    EXPECT_EQ(misses[i]["penalty_ms"].Int(), i == c.penalised_miss ? kPenaltyMs : 0) << "miss " << i + 1;

  const std::vector<JsonValue> ends = Events(trace, "level_end");
  ASSERT_EQ(ends.size(), 1u) << "a level is decided once";
  const JsonValue& end = ends.front();
  EXPECT_FALSE(end["won"].flag);
  EXPECT_EQ(end["reason"].text, c.lost ? "clock" : "quit");
  EXPECT_EQ(end["mistakes"].Int(), c.counted);
  const SavedTask saved = ReadSavedTask(game, c.place);
  EXPECT_FALSE(saved.completed);
  if (c.lost) {
    EXPECT_EQ(end["clock_ms"].Int(), 0);
    EXPECT_EQ(end["time_s"].Int(), std::stoi(c.given_time) / 1000) << "all the time was used";
    if (c.penalised_miss >= 0) {
      EXPECT_LT(end["t"].Int() - misses[c.penalised_miss]["t"].Int(), 2000)
          << "the minute is taken off a second a frame, and the level lost as the clock reaches 0";
    } else {
      EXPECT_GE(end["t"].Int() - starts.front()["t"].Int(), std::stoi(c.given_time));
    }
    // The find's points went with the level; the story stands where it was.
    EXPECT_GT(finds.front()["points"].Int(), 0);
    EXPECT_EQ(end["score"].Int(), 0);
    EXPECT_EQ(saved.story_score, 0);
    EXPECT_EQ(saved.scores, 0);
    EXPECT_EQ(saved.task_time, 0) << "the next try starts with the whole time";
  } else {
    EXPECT_GT(end["clock_ms"].Int(), 0);
    EXPECT_EQ(saved.task_time, end["clock_ms"].Int());
    EXPECT_EQ(saved.wrong_clicks, c.counted);
  }
  if (c.penalised_miss >= 0 && !c.lost) {
    EXPECT_LE(end["clock_ms"].Int(), std::stoi(c.given_time) - kPenaltyMs) << "the minute is taken, once";
    EXPECT_GT(end["clock_ms"].Int(), std::stoi(c.given_time) - 2 * kPenaltyMs);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, MissesAndClock, ::testing::ValuesIn(kMissCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Leaving in the middle and coming back ----

struct ResumeCase {
  const char* name;
  TaskPlace place;
  int finds;
  bool hint;
  int quick_misses;  // 300 ms apart; six of them cost a timed level a minute
  int quit_after_ms;  // the game is closed this long after the last click
};

const ResumeCase kResumeCases[] = {
    {"TwoFindsAndAHint", kTimedPetals, 2, true, 0, 2000},
    {"RelaxedTwoFinds", kRelaxedPetals, 2, false, 0, 2000},
    // Most of the minute is still being taken off when the game closes: it
    // is owed all the same.
    {"APenaltyStillBeingTakenOff", kTimedPetals, 0, false, 6, 200},
};

class LeaveAndResume : public ::testing::TestWithParam<ResumeCase> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }
  TempDir dir_;
};

TEST_P(LeaveAndResume, KeepsTheClockTheScoreTheFindsAndTheCounts) {
  const ResumeCase& c = GetParam();
  constexpr int32_t kGiven = 600000;
  const JsonValue first = FirstLevelStart(dir_, c.place);
  const std::vector<JsonValue> order = ClickOrder(first);
  ASSERT_GE(order.size(), static_cast<size_t>(c.finds) + 1);
  TPlayProgram game(dir_, "play", c.place, {{"given_time", std::to_string(kGiven)}});

  std::string script = OpeningScript(c.place);
  int last_click = kFirstClickMs;
  auto click = [&](TPoint point, int gap_ms) {
    script += ClickAt(last_click + gap_ms, point);
    last_click += gap_ms;
  };
  for (int i = 0; i < c.finds; ++i) click(PointOf(order[i]["point"]), i == 0 ? 0 : 1500);
  if (c.hint) click(kHintButton, 1500);
  for (int i = 0; i < c.quick_misses; ++i) click(EmptyScenePoint(first), i == 0 && c.finds == 0 ? 0 : 300);
  const std::vector<JsonValue> played = game.Run(script + QuitAt(last_click + c.quit_after_ms));

  ASSERT_EQ(Events(played, "find").size(), static_cast<size_t>(c.finds));
  ASSERT_EQ(Events(played, "hint").size(), c.hint ? 1u : 0u);
  const std::vector<JsonValue> left = Events(played, "level_end");
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left.front()["reason"].text, "quit");
  const int64_t clock = left.front()["clock_ms"].Int();
  const int64_t score = left.front()["score"].Int();
  if (c.place.copy == 0 && c.quick_misses >= 6) {
    EXPECT_LE(clock, kGiven - kPenaltyMs) << "closing the game gains no time";
  }
  if (c.finds > 0) {
    EXPECT_GT(score, 0);
  }

  const SavedTask saved = ReadSavedTask(game, c.place);
  EXPECT_FALSE(saved.completed);
  EXPECT_EQ(saved.task_time, clock);
  EXPECT_EQ(saved.story_score, score);
  EXPECT_EQ(saved.scores, score) << "the task's share of the story's score";
  EXPECT_EQ(saved.hints_used, c.hint ? 1 : 0);
  EXPECT_EQ(saved.wrong_clicks, c.quick_misses);
  EXPECT_EQ(saved.objects_left, first["remaining"].Int() - c.finds);

  // The same task again, from the map, in a new start of the program.
  const std::vector<JsonValue> resumed = game.Run(OpeningScript(c.place) + QuitAt(kFirstClickMs + 1000));
  const std::vector<JsonValue> starts = Events(resumed, "level_start");
  ASSERT_EQ(starts.size(), 1u);
  const JsonValue& start = starts.front();
  EXPECT_EQ(start["clock_ms"].Int(), clock);
  EXPECT_EQ(start["score"].Int(), score);
  EXPECT_EQ(start["remaining"].Int(), first["remaining"].Int() - c.finds);
  for (int i = 0; i < c.finds; ++i) {
    for (const JsonValue& target : start["targets"].items) {
      EXPECT_NE(target["name"].text, order[i]["name"].text) << "a found object is no target again";
    }
  }
  const std::vector<JsonValue> again = Events(resumed, "level_end");
  ASSERT_EQ(again.size(), 1u);
  EXPECT_EQ(again.front()["hints_used"].Int(), c.hint ? 1 : 0);
  EXPECT_EQ(again.front()["mistakes"].Int(), c.quick_misses);
  EXPECT_EQ(again.front()["score"].Int(), score);
  if (c.place.copy == 0) {
    EXPECT_LT(again.front()["clock_ms"].Int(), clock) << "the clock went on from where it stood";
  } else {
    EXPECT_GT(again.front()["clock_ms"].Int(), clock);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LeaveAndResume, ::testing::ValuesIn(kResumeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvellane::testing
