// The demo game frame by frame: what the engine keeps up to date through
// dirty rectangles must always equal a full redraw, and a few frames are
// pinned as golden pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/image_decoder.h"
#include "engine/platform/png_writer.h"
#include "tests/game/demo_run.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_folders.h"

namespace corvellane::testing {
namespace {

// A visit: the logos, the main screen with its menu rising, every dialog
// opened and closed again (moving, fading, appearing, hiding, animated and
// hovered widgets, screens stacked and unstacked), a name typed, the list of
// players scrolled by the wheel and the keys, a box ticked and a knob dragged.
constexpr const char* kVisit = R"(
  7000 move 772 630
  7600 down 772 630
  7700 up 772 630
  8800 move 712 660
  9000 down 712 650
  9100 up 712 650
  9700 move 772 706
  9900 down 772 706
  10000 up 772 706
  11000 move 512 428
  11100 down 512 428
  11200 up 512 428
  12000 click 252 706
  12800 wheel 332 300 -2
  13000 key Down
  13100 key Down
  13200 key Up
  13400 wheel 332 300 1
  13600 move 688 230
  13800 click 688 230
  14600 text Visitor
  14800 key Backspace
  15000 key Left
  15200 key Escape
  15800 key Escape
  16400 click 512 706
  17200 click 682 304
  17400 down 597 378
  17500 move 560 378
  17600 move 520 378
  17700 up 520 378
  18000 key Escape
)";

constexpr int kVisitFrames = 1170;

// Enough players for the list to scroll.
void WriteVisitors(const std::filesystem::path& settings) {
  WriteDemoPlayers(settings, {"Tester", "Ann", "Bob", "Cy", "Dee", "Eve", "Flo", "Gus", "Hal"});
}

CanvasView ViewOf(const ISurface& surface) {
  CanvasView view;
  view.width = surface.GetWidth();
  view.height = surface.GetHeight();
  view.stride = view.width;
  view.pixels = {surface.GetScanLine(0), size_t(view.width) * size_t(view.height)};
  return view;
}

TEST(DemoFrames, TheCanvasKeptThroughDirtyRectanglesEqualsAFullRedrawEveryFrame) {
  TempDir settings;
  WriteVisitors(settings.path());
  DemoRun run(kVisit, settings.path());
  ASSERT_TRUE(run.Started());
  for (int frame = 1; frame <= kVisitFrames; ++frame) {
    run.RunFrames(1);
    Ref<ISurface> full = run.FullRedraw();
    int differing = CountDifferentPixels(run.Engine().Canvas(), *full);
    if (differing != 0) {
      std::string kept = std::filesystem::temp_directory_path() / ("corvellane-dirty-" + std::to_string(frame));
      std::filesystem::create_directories(kept);
      WritePng(kept + "/kept.png", ViewOf(run.Engine().Canvas()));
      WritePng(kept + "/full.png", ViewOf(*full));
      FAIL() << differing << " pixels differ at frame " << frame << "; pictures in " << kept;
    }
  }
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
}

// Golden frames: exact pictures of the first screens, reviewed by eye. After
// a deliberate change of the look, regenerate them with
//   CORVELLANE_UPDATE_GOLDEN=1 ctest --test-dir build -R DemoGolden
// look at every picture in tests/golden/, and commit them.
struct Golden {
  const char* name;
  int frame;
};

Ref<TSurface> ReadPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

TEST(DemoGolden, TheFirstScreensLookAsReviewed) {
  const std::string folder = TestSourceDir() + "/tests/golden/";
  const bool update = std::getenv("CORVELLANE_UPDATE_GOLDEN") != nullptr;
  const Golden goldens[] = {
      {"logo", 90},           // the studio card, faded in
      {"main_menu", 450},     // the town with its menu risen
      {"high_scores", 530},   // the first dialog over the town
      {"quit_opening", 632},  // the quit question opening out of its middle
      {"quit_question", 660}, // the quit question
      {"players", 785},       // the list of players, scrolled
      {"options", 1085},      // the options, full screen ticked
  };
  TempDir settings;
  WriteVisitors(settings.path());
  DemoRun run(kVisit, settings.path());
  ASSERT_TRUE(run.Started());
  for (const Golden& golden : goldens) {
    run.RunFrames(golden.frame - run.FramesRun());
    const std::string path = folder + golden.name + ".png";
    if (update) {
      ASSERT_TRUE(WritePng(path, ViewOf(run.Engine().Canvas()))) << path;
      continue;
    }
    Ref<TSurface> expected = ReadPng(path);
    ASSERT_TRUE(expected) << "missing golden picture " << path;
    EXPECT_EQ(CountDifferentPixels(run.Engine().Canvas(), *expected), 0) << golden.name;
  }
}

}  // namespace
}  // namespace corvellane::testing
