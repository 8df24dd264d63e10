// The widget fuzzer's seeds of the screens after a level load into the
// screen classes they name and live as the fuzzer gives them a life: with no
// game above them, no story and no open parameters, they open, run, take
// clicks and keys, and close without a fault. So the fuzzer starts from
// these screens, not from text that loads nothing.
#include <gtest/gtest.h>

#include "tests/story_screens/screen_seeds.h"

namespace corvellane::testing {
namespace {

struct Seed {
  const char* file;
  const char* type;
};

TEST(AfterLevelSeeds, EachLoadsItsScreenAndLivesWithoutAGame) {
  const Seed seeds[] = {
      {"gamescreen_level_stat.xml", "CorvellaneGameScreenLevelStat"},
      {"gamescreen_game_menu.xml", "CorvellaneGameScreenMenu"},
      {"gamescreen_high_scores.xml", "CorvellaneGameScreenHighScores"},
  };
  for (const Seed& seed : seeds) LiveScreenSeed(seed.file, seed.type);
}

}  // namespace
}  // namespace corvellane::testing
