// The widget fuzzer's seeds of the main screen, the players' and options
// dialogs, the questions and the loading screens load into the screen
// classes they name and live without a game (screen_seeds.h), so that the
// fuzzer reaches every one of these classes from a seed that loads.
#include <gtest/gtest.h>

#include "tests/story_screens/screen_seeds.h"

namespace corvellane::testing {
namespace {

struct Seed {
  const char* file;
  const char* type;
};

TEST(DialogSeeds, EachLoadsItsScreenAndLivesWithoutAGame) {
  const Seed seeds[] = {
      {"gamescreen_main.xml", "CorvellaneGameScreenMain"},
      {"gamescreen_new_user.xml", "GameScreenNewUser"},
      {"gamescreen_profiles.xml", "GameScreenUserProfiles"},
      {"gamescreen_question.xml", "GameScreenQueryDialog"},
      {"gamescreen_query.xml", "GameScreenQueryDeleteProfile"},
      {"gamescreen_options.xml", "GameScreenOptions"},
      {"gamescreen_progress.xml", "GameScreenSplashProgress"},
      {"gamescreen_self_refresh.xml", "GameScreenSplashSelfRefresh"},
      {"gamescreen_resource_load.xml", "GameScreenSplashResourceLoad"},
      {"gamescreen_level_loading.xml", "GameScreenSplashResourceDefsLoad"},
  };
  for (const Seed& seed : seeds) LiveScreenSeed(seed.file, seed.type);
}

}  // namespace
}  // namespace corvellane::testing
