// The game played as a player plays it: the built program, headless, with
// an input script and a fixed seed. A first run opens a task and reads the
// level's targets from the play trace; a second run with the same seed
// clicks each of them where the trace says a click finds it. The second
// trace and the saved profile tell whether the level was won, the points
// followed the formula and the progress was kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/class_list.h"
#include "play/play_formulas.h"
#include "story_screens/click_streaks.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/story_setup.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kClickGapMs = 1500;

struct PlayCase {
  const char* name;
  int copy;
  const char* stage;
  int tasks_done;
  const char* task;
  int mode;
  TPoint pin;
};

const PlayCase kCases[] = {
    {"HiddenShapes", 0, "petals", 0, "petals_1", 0, {520, 205}},
    {"HiddenNames", 0, "petals", 1, "petals_2", 1, {160, 150}},
    {"FindIdentical", 0, "margins", 0, "margins_1", 2, {160, 150}},
    {"HiddenParts", 0, "margins", 1, "margins_2", 3, {520, 205}},
    {"FindPlaces", 0, "picnic", 0, "picnic_1", 4, {175, 540}},
    {"RelaxedHiddenShapes", 1, "petals", 0, "petals_1", 0, {520, 205}},
};

class PlayRun : public ::testing::TestWithParam<PlayCase> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }

  TaskPlace Place() const {
    const PlayCase& c = GetParam();
    return {c.copy, c.stage, c.tasks_done, c.task, c.pin};
  }
  std::string Opening() const { return OpeningScript(Place()); }

  // A run from the prepared story; the lines of its trace.
  std::vector<JsonValue> Run(const std::string& name, const std::string& script) {
    TPlayProgram program(dir_, name, Place());
    // A stage that opens with the agency's desk (picnic) stands with it seen.
    const PlayCase& c = GetParam();
    WriteStoryAtStage(program.Settings(), "Tester", c.stage, c.tasks_done, {{c.stage, {{"desktop_was_shown", "yes"}}}});
    return program.Run(script);
  }

  // Clicks every target (find places: takes the panel's first item, which
  // is always the next one, and drops it on its place).
  std::string PlayEverything(const JsonValue& start, int& end_ms) const {
    std::string script = Opening();
    int at = kFirstClickMs;
    const std::vector<JsonValue> order = ClickOrder(start);
    for (const JsonValue& target : order) {
      const TPoint point = PointOf(target["point"]);
      if (GetParam().mode == 4) {
        const TPoint slot = CentreOf(order.front()["panel"]);
        script += ClickAt(at, slot) + ScriptLine(at + 200, "move", point) + ScriptLine(at + 300, "click", point);
      } else {
        script += ClickAt(at, point);
      }
      at += kClickGapMs;
    }
    end_ms = at + 9000;  // the win, the way back to the map
    return script + QuitAt(end_ms);
  }

  TempDir dir_;
};

TEST_P(PlayRun, EveryTargetClickedWinsTheLevelWithPointsByTheFormulaAndTheProgressIsKept) {
  const PlayCase& c = GetParam();
  const std::vector<JsonValue> first = Run("first", Opening() + QuitAt(kFirstClickMs - 1000));
  const std::vector<JsonValue> first_starts = Events(first, "level_start");
  ASSERT_EQ(first_starts.size(), 1u) << "the level did not start";
  const JsonValue& start = first_starts.front();
  EXPECT_EQ(start["task"].text, c.task);
  EXPECT_EQ(start["mode"].Int(), c.mode);
  EXPECT_EQ(start["timed"].flag, c.copy == 0);
  EXPECT_EQ(start["seed"].Int(), 11);
  const std::vector<JsonValue> order = ClickOrder(start);
  ASSERT_FALSE(order.empty());

  int end_ms = 0;
  const std::vector<JsonValue> second = Run("second", PlayEverything(start, end_ms));
  const std::vector<JsonValue> second_starts = Events(second, "level_start");
  ASSERT_EQ(second_starts.size(), 1u);
  EXPECT_EQ(ClickOrder(second_starts.front()).size(), order.size()) << "the same seed gives the same level";

  EXPECT_TRUE(Events(second, "wrong_click").empty());
  const std::vector<JsonValue> finds = Events(second, "find");
  ASSERT_EQ(finds.size(), order.size());
  for (size_t i = 0; i < finds.size(); ++i) {
    const JsonValue& find = finds[i];
    EXPECT_EQ(find["target"].text, order[i]["name"].text) << i;
    EXPECT_EQ(find["points"].Int(), FindPoints(find["since_ms"].Int())) << i;
    if (i > 0) {
      EXPECT_NEAR(find["since_ms"].Int(), kClickGapMs, 34) << "the time between finds, " << i;
    }
    const int32_t chain = static_cast<int32_t>(i % 12 + 1);
    int64_t bonus = 0;
    for (const TChainBonus& row : kChainBonuses)
      if (row.chain_count == chain) bonus = row.points;
    EXPECT_EQ(find["bonus"].Int(), bonus) << "find " << i + 1;
  }
  const std::vector<JsonValue> ends = Events(second, "level_end");
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_TRUE(ends.front()["won"].flag);
  EXPECT_EQ(ends.front()["mistakes"].Int(), 0);
  EXPECT_EQ(ends.front()["remaining"].Int(), 0);

  Ref<TUserGameData> saved = ReadSavedStory(dir_.path() / "second_settings", "Tester");
  ASSERT_TRUE(saved);
  Ref<IUGDTask> task = StoryTask(*saved, c.copy, "marguerite", c.stage, c.task);
  ASSERT_TRUE(task);
  // Saved when the level was won; the map counts the task's progress once
  // the level's statistics are closed (the story screens' runs check that).
  EXPECT_TRUE(task->GetCompleted());
  EXPECT_GE(saved->GetScores(), ends.front()["score"].Int());
  saved->SelectCopy(1 - c.copy);
  EXPECT_EQ(saved->GetLevel(), 1) << "the other copy keeps its own progress";
}

INSTANTIATE_TEST_SUITE_P(Modes, PlayRun, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvellane::testing
