// The play screen frame by frame, in the test's own process: the demo runs
// headless with an input script (tests/game/demo_run.h) from the main menu
// to a task, and the test looks at every frame: the canvas kept through
// dirty rectangles against a full redraw through a whole played level, when
// the hint button becomes ready against the unpaused time played, and a
// last find racing the clock, clicked against the moment the clock runs out.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "story_screens/play_screen.h"
#include "story_screens/play_trace.h"
#include "tests/game/demo_run.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/story_setup.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kFrameMs = 16;

// The play trace of the runs in this process, parsed line by line.
class TraceLines {
 public:
  TraceLines() {
    SetPlayTraceSink([this](std::string_view line) { lines_.push_back(ParseJson(line)); });
  }
  ~TraceLines() { ClosePlayTrace(); }
  std::vector<JsonValue> Of(std::string_view event) const { return Events(lines_, event); }

 private:
  std::vector<JsonValue> lines_;
};

// The demo with the story at the task's stage, run by a script.
class StoryRun {
 public:
  StoryRun(const TaskPlace& place, const std::string& script, const TaskParamChanges& task_params = {}) {
    WriteStoryAtStage(settings_.path(), "Tester", place.stage, place.tasks_done, task_params);
    run_ = std::make_unique<DemoRun>(script, settings_.path());
  }
  DemoRun& Run() { return *run_; }
  const std::filesystem::path& Settings() const { return settings_.path(); }
  // The task as the player's profile holds it now.
  bool SavedTaskCompleted(const TaskPlace& place) {
    Ref<TUserGameData> saved = ReadSavedStory(settings_.path(), "Tester");
    Ref<IUGDTask> task = saved ? StoryTask(*saved, place.copy, "marguerite", place.stage, place.task) : nullptr;
    return task && task->GetCompleted();
  }
  // Runs the game up to that time of its clock.
  void RunTo(int ms) { run_->RunFrames(ms / kFrameMs - run_->FramesRun()); }
  TCorvellaneGameScreenGame* PlayScreen() {
    return dynamic_cast<TCorvellaneGameScreenGame*>(run_->Game().GetScreens()->GetScreen(Variant("GS_Game")).get());
  }

 private:
  TempDir settings_;
  std::unique_ptr<DemoRun> run_;
};

// The level's start line, and when its clock started running (its opening
// animation over), in ms of the run: the demo's seed gives the same level
// each run, so it is read once for the test program's life.
struct LevelStart {
  JsonValue line;
  int resume_ms = 0;
};

const LevelStart& LevelStartInProcess(const TaskPlace& place) {
  static std::map<std::string, LevelStart> known;
  if (auto found = known.find(place.task); found != known.end()) return found->second;
  LevelStart& start = known[place.task];
  TraceLines trace;
  StoryRun first(place, OpeningScript(place));
  first.RunTo(kPinMs);
  while (first.Run().FramesRun() < kFirstClickMs / kFrameMs && trace.Of("resume").empty()) first.Run().RunFrames(1);
  const std::vector<JsonValue> starts = trace.Of("level_start");
  if (starts.size() != 1 || trace.Of("resume").empty()) {
    ADD_FAILURE() << "the level of " << place.task << " did not start";
    return start;
  }
  start.line = starts.front();
  start.resume_ms = first.Run().FramesRun() * kFrameMs;
  return start;
}

// ---- Dirty rectangles ----

TEST(PlayedLevelFrames, TheCanvasKeptThroughDirtyRectanglesEqualsAFullRedrawEveryFrame) {
  const TaskPlace place{0, "petals", 0, "petals_1", {520, 205}};
  const JsonValue& start = LevelStartInProcess(place).line;
  const std::vector<JsonValue> order = ClickOrder(start);
  ASSERT_FALSE(order.empty());

  // A hint, a miss, then every target clicked.
  std::string script = OpeningScript(place) + ClickAt(kFirstClickMs, kHintButton) +
                       ClickAt(kFirstClickMs + 1500, EmptyScenePoint(start));
  int at = kFirstClickMs + 2500;
  for (const JsonValue& target : order) {
    script += ClickAt(at, PointOf(target["point"]));
    at += 1200;
  }
  // The level's end and its win animation are compared too.
  constexpr int kFramesAfterTheEnd = 180;

  TraceLines trace;
  StoryRun run(place, script);
  ASSERT_TRUE(run.Run().Started());
  run.RunTo(kPinMs);
  bool saved_at_the_end = false;
  int frames_after_the_end = 0;
  for (int frame = run.Run().FramesRun(); frames_after_the_end < kFramesAfterTheEnd; ++frame) {
    ASSERT_LT(frame, (at + 10000) / kFrameMs) << "the level did not end";
    const bool ended_before = !trace.Of("level_end").empty();
    run.Run().RunFrames(1);
    Ref<ISurface> full = run.Run().FullRedraw();
    const int differing = CountDifferentPixels(run.Run().Engine().Canvas(), *full);
    ASSERT_EQ(differing, 0) << "pixels differ at frame " << frame << " (" << frame * kFrameMs << " ms of the run)";
    if (ended_before) ++frames_after_the_end;
    // The won task is in the profile in the frame the level ends, before
    // any animation or screen that follows.
    if (!ended_before && !trace.Of("level_end").empty()) saved_at_the_end = run.SavedTaskCompleted(place);
  }
  EXPECT_TRUE(saved_at_the_end) << "the progress is saved as soon as the level ends";
  // The level was really played to its end.
  EXPECT_EQ(trace.Of("find").size(), order.size());
  EXPECT_EQ(trace.Of("wrong_click").size(), 1u);
  EXPECT_EQ(trace.Of("hint").size(), 1u);
  const std::vector<JsonValue> ends = trace.Of("level_end");
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_TRUE(ends.front()["won"].flag);
}

// ---- The hint's readiness ----

// The hint button clicked every 200 ms: each hint is taken as soon as it is
// ready. Its readiness is measured in unpaused play since the level began,
// or since the recharge display (the ring around the button, emptying)
// started after the hint before: it starts once the hint's arrow has flown
// off and the button is back.
struct HintUse {
  int32_t ready_after_ms;  // of unpaused play
  int32_t next_wait_ms;    // what the trace says the next one needs
};

const HintUse kHintUses[] = {
    {500, 30000},    // the first hint of a level is ready at once, nearly
    {30000, 37000},  // then each use adds 7 s to the wait
    {37000, 44000},
};

TEST(PlayHint, IsReadyAfterHalfASecondOfPlayThenThirtySecondsAndSevenMoreAfterEachUse) {
  const TaskPlace place{0, "petals", 0, "petals_1", {520, 205}};
  int end_ms = kFirstClickMs;
  for (const HintUse& use : kHintUses) end_ms += use.ready_after_ms;
  end_ms += 3000;
  std::string script = OpeningScript(place) + ScriptLine(kFirstClickMs - 500, "move", kHintButton);
  for (int at = kFirstClickMs; at < end_ms; at += 200) script += ScriptLine(at, "click", kHintButton);

  TraceLines trace;
  StoryRun run(place, script);
  ASSERT_TRUE(run.Run().Started());
  run.RunTo(kPinMs);
  std::vector<int32_t> ready_after;
  int32_t played = 0;
  bool was_ready = false;
  Ref<IWidget> recharge_display;
  while (run.Run().FramesRun() < end_ms / kFrameMs) {
    TCorvellaneGameScreenGame* screen = run.PlayScreen();
    const bool counts = screen && !screen->IsLevelPaused();
    run.Run().RunFrames(1);
    if (!screen || !screen->Hint().HasButton()) continue;
    if (counts) played += kFrameMs;
    if (Ref<IWidget> ring = screen->FindScreenWidget("animation_group/hint_activation");
        ring && ring != recharge_display) {
      recharge_display = ring;
      played = 0;
    }
    const bool ready = screen->Hint().IsReady();
    if (ready && !was_ready) ready_after.push_back(played);
    was_ready = ready;
  }
  const std::vector<JsonValue> hints = trace.Of("hint");
  ASSERT_EQ(ready_after.size(), std::size(kHintUses));
  ASSERT_EQ(hints.size(), std::size(kHintUses));
  for (size_t i = 0; i < std::size(kHintUses); ++i) {
    EXPECT_NEAR(ready_after[i], kHintUses[i].ready_after_ms, 2 * kFrameMs) << "hint " << i + 1;
    EXPECT_EQ(hints[i]["next_wait_ms"].Int(), kHintUses[i].next_wait_ms) << "hint " << i + 1;
    EXPECT_EQ(hints[i]["hints_used"].Int(), static_cast<int64_t>(i + 1));
  }
}


// ---- A level is decided once ----

// The level's last target found while its clock runs out: whichever comes
// first decides the level, once; the other changes nothing. A find is
// recorded when its animation has flown into the panel, about a second
// after the click.
constexpr int32_t kRaceGivenMs = 18000;

struct RaceCase {
  const char* name;
  int last_ms;  // the last target clicked this long after the clock runs out
  bool won;
};

class LastFindAgainstTheClock : public ::testing::TestWithParam<RaceCase> {};

TEST_P(LastFindAgainstTheClock, DecidesTheLevelOnce) {
  const RaceCase& c = GetParam();
  const TaskPlace place{0, "petals", 0, "petals_1", {520, 205}};
  const TaskParamChanges params{{place.task, {{"given_time", std::to_string(kRaceGivenMs)}}}};
  const LevelStart& start = LevelStartInProcess(place);
  const std::vector<JsonValue> order = ClickOrder(start.line);
  ASSERT_FALSE(order.empty());
  // Nothing pauses the clock once it runs: it runs out this much later.
  const int out_ms = start.resume_ms + kRaceGivenMs;

  std::string script = OpeningScript(place);
  for (size_t i = 0; i + 1 < order.size(); ++i) script += ClickAt(kFirstClickMs + static_cast<int>(i) * 1000, PointOf(order[i]["point"]));
  ASSERT_LT(kFirstClickMs + static_cast<int>(order.size()) * 1000, out_ms + c.last_ms)
      << "the level leaves too little time for its targets";
  script += ClickAt(out_ms + c.last_ms, PointOf(order.back()["point"]));
  TraceLines trace;
  StoryRun run(place, script, params);
  run.RunTo(out_ms + 2500);

  EXPECT_EQ(trace.Of("find").size(), order.size()) << "the last click found its target";
  const std::vector<JsonValue> ends = trace.Of("level_end");
  ASSERT_EQ(ends.size(), 1u) << "a level is decided once";
  EXPECT_EQ(ends.front()["won"].flag, c.won);
  EXPECT_EQ(ends.front()["reason"].text, c.won ? "won" : "clock");
  EXPECT_EQ(run.SavedTaskCompleted(place), c.won);
  Ref<TUserGameData> saved = ReadSavedStory(run.Settings(), "Tester");
  ASSERT_TRUE(saved);
  saved->SelectCopy(place.copy);
  if (c.won) {
    EXPECT_GT(saved->GetScores(), 0);
  } else {
    EXPECT_EQ(saved->GetScores(), 0) << "a lost level's points are not kept";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, LastFindAgainstTheClock,
                         ::testing::Values(
                             // Clicked half a second before: still flying when the clock runs out.
                             RaceCase{"AFindStillFlyingLoses", -500, false},
                             RaceCase{"AFindRecordedBeforeWins", -2500, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvellane::testing
