// The screens after a level frame by frame, in the test's process: the menu
// over a level, the statistics of the level won, the way back to the map,
// and the high scores from the main screen. After every frame one of them
// is on top, the canvas kept through dirty rectangles must equal the whole
// game drawn afresh; the statistics are pinned as a golden picture.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "story_screens/play_trace.h"
#include "tests/game/demo_run.h"
#include "tests/story_screens/golden_frames.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/story_setup.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kFrameMs = 16;
constexpr TaskPlace kPlace{0, "petals", 0, "petals_1", {520, 205}};
// The menu over the level opens with Escape; its first button resumes.
constexpr int kMenuMs = 16000;
constexpr TPoint kResumeButton{512, 284};
constexpr int kFirstFindMs = 19000;
constexpr int kClickGapMs = 1500;
// After the last find the statistics are up and still; Continue closes them.
constexpr int kGoldenMs = 6500;
constexpr int kContinueMs = 7000;
constexpr TPoint kContinueButton{726, 650};
constexpr int kBackOnMapMs = 5000;
// The main screen's high-scores button; on the high scores the button of
// the other table.
constexpr TPoint kHighScoresButton{772, 630};
constexpr TPoint kOtherTableButton{312, 650};

const std::set<std::string> kScreensAfterALevel{"GS_GameMenu", "GS_LevelStat", "GS_HighScores"};

// The play trace of the runs in this process, line by line.
class TraceLines {
 public:
  TraceLines() {
    SetPlayTraceSink([this](std::string_view line) { lines_.push_back(ParseJson(line)); }, 1);
  }
  ~TraceLines() { SetPlayTraceSink(nullptr); }
  const std::vector<JsonValue>& Lines() const { return lines_; }

 private:
  std::vector<JsonValue> lines_;
};

// The level's targets as the run with the same seed lays them out.
JsonValue LevelStartOfAFirstRun() {
  TempDir settings;
  WriteStoryAtStage(settings.path(), "Tester", kPlace.stage, kPlace.tasks_done);
  TraceLines trace;
  DemoRun run(OpeningScript(kPlace), settings.path());
  EXPECT_TRUE(run.Started());
  while (Events(trace.Lines(), "level_start").empty() && run.FramesRun() * kFrameMs < kFirstClickMs)
    run.RunFrames(1);
  const std::vector<JsonValue> starts = Events(trace.Lines(), "level_start");
  return starts.empty() ? JsonValue{} : starts.front();
}

// Runs the script to its end; after every frame with one of the screens
// after a level on top, the kept canvas must be a full redraw. At the
// golden time the frame is compared with its picture. The screens that were
// on top.
std::set<std::string> RunCheckingFrames(DemoRun& run, int until_ms, int golden_ms = -1) {
  std::set<std::string> on_top;
  while (run.FramesRun() * kFrameMs < until_ms) {
    run.RunFrames(1);
    const std::string top = run.Game().GetTopScreenName();
    on_top.insert(top);
    if (golden_ms >= 0 && run.FramesRun() * kFrameMs == golden_ms / kFrameMs * kFrameMs) {
      EXPECT_TRUE(MatchesGolden(run.Engine().Canvas(), "level_statistics")) << "over " << top;
    }
    if (!kScreensAfterALevel.contains(top)) continue;
    Ref<ISurface> full = run.FullRedraw();
    const std::string when = "at " + std::to_string(run.FramesRun() * kFrameMs) + " ms over " + top;
    if (::testing::AssertionResult same = KeptCanvasIsAFullRedraw(run.Engine().Canvas(), *full, when); !same) {
      ADD_FAILURE() << same.message();
      break;
    }
  }
  return on_top;
}

TEST(AfterLevelFrames, MenuStatisticsAndHighScoresKeepTheCanvasAsAFullRedrawWouldDrawIt) {
  const JsonValue start = LevelStartOfAFirstRun();
  const std::vector<JsonValue> targets = ClickOrder(start);
  ASSERT_FALSE(targets.empty()) << "the level did not start";

  TempDir settings;
  WriteStoryAtStage(settings.path(), "Tester", kPlace.stage, kPlace.tasks_done);
  std::string script = OpeningScript(kPlace) + std::to_string(kMenuMs) + " key Escape\n" +
                       ClickAt(kMenuMs + 1500, kResumeButton);
  int at = kFirstFindMs;
  for (const JsonValue& target : targets) {
    script += ClickAt(at, PointOf(target["point"]));
    at += kClickGapMs;
  }
  script += ClickAt(at + kContinueMs, kContinueButton);
  {
    TraceLines trace;
    DemoRun level(script, settings.path());
    ASSERT_TRUE(level.Started());
    const std::set<std::string> on_top = RunCheckingFrames(level, at + kContinueMs + kBackOnMapMs, at + kGoldenMs);
    EXPECT_TRUE(on_top.contains("GS_GameMenu"));
    EXPECT_TRUE(on_top.contains("GS_LevelStat"));
    EXPECT_EQ(Events(trace.Lines(), "find").size(), targets.size()) << "the menu resumed the level";
    EXPECT_EQ(level.Game().GetTopScreenName(), "GS_Map") << "Continue leads back to the map";
  }

  // The high scores, with the entry the level made.
  const std::string visit = ClickAt(7700, kHighScoresButton) + ClickAt(9500, kOtherTableButton) + "11000 key Escape\n";
  DemoRun main(visit, settings.path());
  ASSERT_TRUE(main.Started());
  const std::set<std::string> on_top = RunCheckingFrames(main, 12000);
  EXPECT_TRUE(on_top.contains("GS_HighScores"));
  EXPECT_EQ(main.Game().GetTopScreenName(), "GS_Main") << "Escape closes the high scores";
}

}  // namespace
}  // namespace corvellane::testing
