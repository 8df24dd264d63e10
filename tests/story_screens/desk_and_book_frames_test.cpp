// The agency's desk and the pairs book in the demo, frame by frame: the
// canvas the engine keeps through dirty rectangles equals the whole game
// drawn afresh after every frame while the cards fly in, the desk closes,
// the book opens with the new pair's picture falling onto its page and the
// pages turn forwards and back; the map, the desk and the open book are
// pinned as golden pictures; and the story the book closes on has moved to
// the next case.
//
// After a deliberate change of the look, regenerate the pictures with
//   CORVELLANE_UPDATE_GOLDEN=1 ctest --test-dir build -R DeskAndBookFrames
// and look at each of tests/golden/story_*.png before committing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/image_decoder.h"
#include "engine/platform/png_writer.h"
#include "game/class_list.h"
#include "story/story_progress.h"
#include "tests/game/demo_run.h"
#include "tests/story_screens/screen_seeds.h"
#include "tests/story_screens/story_setup.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {
namespace {

constexpr int kFrameMs = 16;

struct Golden {
  const char* name;
  int ms;
};

struct DeskVisit {
  const char* name;
  // Where the timed copy of the first case stands.
  const char* stage;
  int tasks_done;
  // The stage's last task won but not yet counted by the map (the program
  // ended before the map saw it).
  bool last_win_uncounted;
  const char* script;
  int until_ms;
  std::vector<std::string> screens;  // each must have been on top
  std::vector<Golden> goldens;
  const char* case_after;
  int level_after;
};

// Points of the demo (content/game/data/screens/): the main menu's timed
// Play button (252, 630); the desk's close button (930, 732); the book's
// tabs, right of the book for the spreads ahead (second spread at
// (984, 264)) and left of it for those behind (first at (40, 168)); the
// book's close button (512, 736).
const DeskVisit kVisits[] = {
    // The date's stage starts: the desk shows the client and her candidates.
    {"DeskBeforeTheDate",
     "picnic",
     0,
     false,
     R"(
  7600 move 252 630
  8000 click 252 630
  11400 move 930 732
  11600 click 930 732
)",
     13400,
     {"GS_Map", "GS_Desktop"},
     {{"story_desktop", 10000}, {"story_map", 13300}},
     "marguerite",
     1},
    // The date was won just before the program ended: the map counts it on
    // opening, the case is complete and the book opens on the new pair.
    {"BookAfterTheDate",
     "picnic",
     1,
     true,
     R"(
  7600 move 252 630
  8000 click 252 630
  10800 move 984 264
  11000 click 984 264
  11800 move 40 168
  12000 click 40 168
  12600 move 512 736
  12800 click 512 736
  13800 move 930 732
  14000 click 930 732
)",
     15200,
     {"GS_Map", "GS_Desktop", "GS_PairsBook"},
     {{"story_pairs_book", 9900}},
     "bert",
     11},
};

CanvasView ViewOf(const ISurface& surface) {
  CanvasView view;
  view.width = surface.GetWidth();
  view.height = surface.GetHeight();
  view.stride = view.width;
  view.pixels = {surface.GetScanLine(0), size_t(view.width) * size_t(view.height)};
  return view;
}

Ref<TSurface> ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

void CheckGolden(const ISurface& canvas, const Golden& golden) {
  const std::string path = TestSourceDir() + "/tests/golden/" + golden.name + ".png";
  if (std::getenv("CORVELLANE_UPDATE_GOLDEN")) {
    ASSERT_TRUE(WritePng(path, ViewOf(canvas))) << path;
    return;
  }
  Ref<TSurface> expected = ReadPng(path);
  ASSERT_TRUE(expected) << "missing golden picture " << path;
  EXPECT_EQ(CountDifferentPixels(canvas, *expected), 0) << golden.name;
}

class DeskAndBookFrames : public ::testing::TestWithParam<DeskVisit> {
 protected:
  void SetUp() override { RegisterAllGameClasses(); }
};

TEST_P(DeskAndBookFrames, KeptCanvasEqualsAFullRedrawEveryFrameAndTheStoryMovesOn) {
  const DeskVisit& visit = GetParam();
  TempDir settings;
  WriteStoryAtStage(settings.path(), "Tester", visit.stage, visit.tasks_done);
  if (visit.last_win_uncounted)
    EditSavedStory(settings.path(), "Tester", [&](TUserGameData& story) {
      for (int copy = 0; copy < kStoryCopies; ++copy) {
        story.SelectCopy(copy);
        Ref<IUGDTask> last = CurrentStage(story)->GetTasks()->Get(Variant(visit.tasks_done - 1));
        last->GetParams()->SetNamedValue("progress_counted", Variant("no"));
      }
    });
  {
    DemoRun run(visit.script, settings.path());
    ASSERT_TRUE(run.Started());
    std::set<std::string> on_top;
    auto golden = visit.goldens.begin();
    for (int frame = 1; frame <= visit.until_ms / kFrameMs; ++frame) {
      run.RunFrames(1);
      on_top.insert(run.Game().GetTopScreenName());
      Ref<ISurface> full = run.FullRedraw();
      ASSERT_EQ(CountDifferentPixels(run.Engine().Canvas(), *full), 0)
          << "at frame " << frame << " (" << frame * kFrameMs << " ms) over " << run.Game().GetTopScreenName();
      if (golden != visit.goldens.end() && frame * kFrameMs >= golden->ms) CheckGolden(run.Engine().Canvas(), *golden++);
    }
    for (const std::string& screen : visit.screens) EXPECT_TRUE(on_top.contains(screen)) << screen << " never shown";
    EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Map");
    run.Finish();
  }
  Ref<TUserGameData> saved = ReadSavedStory(settings.path(), "Tester");
  ASSERT_TRUE(saved);
  saved->SelectCopy(0);
  EXPECT_EQ(saved->GetCurrentCaseName(), visit.case_after);
  EXPECT_EQ(saved->GetLevel(), visit.level_after);
}

INSTANTIATE_TEST_SUITE_P(Visits, DeskAndBookFrames, ::testing::ValuesIn(kVisits),
                         [](const ::testing::TestParamInfo<DeskVisit>& info) { return info.param.name; });

// The widget fuzzer starts from seeds of both screens: they load into their
// classes and live without a game, a story or open parameters.
TEST(DeskAndBookSeeds, EachLoadsItsScreenAndLivesWithoutAGame) {
  const struct {
    const char* file;
    const char* type;
  } seeds[] = {
      {"gamescreen_desktop.xml", "CorvellaneGameScreenDesktop"},
      {"gamescreen_pairs_book.xml", "CorvellaneGameScreenPairsBook"},
  };
  for (const auto& seed : seeds) LiveScreenSeed(seed.file, seed.type);
}

}  // namespace
}  // namespace corvellane::testing
