// The players' dialogs frame by frame: the canvas the engine keeps through
// dirty rectangles equals the whole game drawn afresh after every frame,
// while names are typed, corrected and refused, the players' list scrolls by
// its buttons, the wheel and the keys, a player is nearly deleted and the
// volume knobs are dragged.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "tests/game/demo_run.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

constexpr int kFrameMs = 16;

struct DialogVisit {
  const char* name;
  // Players known before the run; none is a first run.
  std::vector<std::string> players;
  const char* script;
  int until_ms;
  // Screens the visit must have had on top, so that a script that misses
  // its buttons cannot pass by showing nothing.
  std::vector<std::string> dialogs;
};

// Points of the demo's screens (content/game/data/screens/): the menu's
// players and options buttons at y 706, the players' list from (222, 200)
// with its scroll buttons at (538, 228) and (538, 420), create and delete
// at x 688, the volume knobs on their tracks at y 388 (music, 60) and 428
// (sounds, 80). The first run names the player "Zołë" (a mistake, Backspace,
// a letter put in before the last one), then tries the name in capitals.
const DialogVisit kVisits[] = {
    {"FirstRun",
     {},
     R"(
  6800 key Escape
  7000 text Zoëx
  7200 key Backspace
  7300 key Left
  7400 text ł
  7500 key End
  7600 key Enter
  10400 click 252 706
  11200 click 688 230
  12000 text ZOŁË
  12300 key Enter
  13000 key Enter
  13300 key Backspace
  13500 key Escape
  14000 click 688 306
  14800 key Escape
  15400 key Escape
  16000 click 512 706
  16800 down 640 428
  16900 move 600 428
  17000 move 690 428
  17100 up 690 428
  17300 down 597 388
  17400 move 470 388
  17500 up 470 388
  17800 key Escape
)",
     18400,
     {"GS_NewUser_FirstRun", "GS_Main", "GS_UserProfiles", "GS_NewUser", "GS_QueryNotUniqueName",
      "GS_QueryDeleteProfile", "GS_Options"}},
    {"ScrollingThePlayers",
     {"Tester", "Ann", "Bob", "Cy", "Dee", "Eve", "Flo", "Gus", "Hal", "Ida", "Jo"},
     R"(
  7600 click 252 706
  8400 click 538 420
  8700 click 538 420
  9000 click 538 420
  9300 wheel 332 300 -2
  9500 key Down
  9600 key Down
  9700 key End
  10100 click 538 228
  10400 wheel 332 300 3
  10700 click 332 293
  11100 click 332 293
  11250 click 332 293
  12000 click 252 706
  12800 key Escape
)",
     13600,
     {"GS_Main", "GS_UserProfiles"}},
};

class DialogFrames : public ::testing::TestWithParam<DialogVisit> {};

TEST_P(DialogFrames, TheKeptCanvasEqualsAFullRedrawAfterEveryFrame) {
  const DialogVisit& visit = GetParam();
  TempDir settings;
  if (!visit.players.empty()) WriteDemoPlayers(settings.path(), visit.players);
  DemoRun run(visit.script, settings.path());
  ASSERT_TRUE(run.Started());
  std::set<std::string> on_top;
  // The engine's own clock, which the script follows: loading the media at
  // start runs frames of its own inside one frame of this loop.
  while (run.FramesRun() * kFrameMs < visit.until_ms) {
    run.RunFrames(1);
    on_top.insert(run.Game().GetTopScreenName());
    Ref<ISurface> full = run.FullRedraw();
    const int differing = CountDifferentPixels(run.Engine().Canvas(), *full);
    ASSERT_EQ(differing, 0) << "at " << run.FramesRun() * kFrameMs << " ms over " << run.Game().GetTopScreenName();
  }
  for (const std::string& dialog : visit.dialogs) EXPECT_TRUE(on_top.contains(dialog)) << dialog << " never shown";
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
}

INSTANTIATE_TEST_SUITE_P(Visits, DialogFrames, ::testing::ValuesIn(kVisits),
                         [](const ::testing::TestParamInfo<DialogVisit>& info) { return info.param.name; });

}  // namespace
}  // namespace corvellane::testing
