// The screens the game opens by itself, when their files were damaged: a
// screen whose window loaded empty would be a black picture for ever. A logo
// or loading screen like that is skipped, a main screen like that ends the
// game with a failure status; each time one warning names the screen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "game/class_list.h"
#include "persistence/log.h"
#include "tests/game/game_test_support.h"

namespace corvellane::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

constexpr const char* kFull = R"(<window><widgets><widget type="rect_widget" visible="yes" width="8" height="8"/></widgets></window>)";
constexpr const char* kEmpty = "<window/>";

// A game whose logo, loading and main screens are real screens with the
// windows given; the logo and loading screens stay until the game moves on.
std::string GameWith(const std::string& logo, const std::string& loading, const std::string& main,
                     const std::string& main_name = "GS_Main") {
  return R"(<game type="Game" splashlogosgs="GS_Logo" splashgs="GS_Load" maings=")" + main_name + R"(">
    <params><param name="ScreenWidth" value="320"/><param name="ScreenHeight" value="240"/></params>
    <gamescreens>
      <gamescreen type="GameScreen" name="GS_Logo">)" + logo + R"(</gamescreen>
      <gamescreen type="GameScreen" name="GS_Load">)" + loading + R"(</gamescreen>
      <gamescreen type="GameScreen" name="GS_Main">)" + main + R"(</gamescreen>
    </gamescreens>
  </game>)";
}

struct StartCase {
  const char* what;
  std::string game;
  std::vector<std::string> first_shown;  // right after the start
  const char* warning;                   // empty: none
};

TEST(StartScreens, ALogoOrLoadingScreenWithNothingToShowIsSkippedWithAWarning) {
  RegisterAllGameClasses();
  const StartCase cases[] = {
      {"all well", GameWith(kFull, kFull, kFull), {"GS_Logo"}, ""},
      {"empty logo", GameWith(kEmpty, kFull, kFull), {}, "the logo screen GS_Logo has nothing to show; skipped"},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.what);
    TLogCapture log;
    GameRun run(c.game);
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.ShownNames(), c.first_shown);
    run.RunFrames(2);  // with no logo screen, loading starts on the first frame
    if (c.first_shown.empty()) EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Load"));
    if (*c.warning) {
      EXPECT_THAT(log.Lines(), ElementsAre(c.warning));
    } else {
      EXPECT_THAT(log.Lines(), ElementsAre());
    }
  }
}

TEST(StartScreens, AnEmptyLoadingScreenIsSkippedAndTheMainScreenFollows) {
  RegisterAllGameClasses();
  TLogCapture log;
  GameRun run(GameWith(kEmpty, kEmpty, kFull));
  ASSERT_TRUE(run.Start());
  run.RunFrames(2);
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Main"));
  EXPECT_THAT(log.Lines(), ElementsAre("the logo screen GS_Logo has nothing to show; skipped",
                                       "the loading screen GS_Load has nothing to show; skipped"));
}

TEST(StartScreens, AMainScreenWithNothingToShowOrNoneAtAllEndsTheGameWithAFailure) {
  RegisterAllGameClasses();
  const StartCase cases[] = {
      {"empty main", GameWith(kEmpty, kEmpty, kEmpty), {}, "the main screen GS_Main has nothing to show; the game cannot go on"},
      {"missing main", GameWith(kEmpty, kEmpty, kFull, "GS_Nowhere"), {},
       "the main screen GS_Nowhere is not in the game definition; the game cannot go on"},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.what);
    TLogCapture log;
    GameRun run(c.game);
    ASSERT_TRUE(run.Start());
    run.Engine().SetFrameLimit(50);
    EXPECT_FALSE(run.Engine().Run());
    EXPECT_LT(run.Engine().FramesRun(), 50) << "the game ends at once";
    EXPECT_THAT(log.Lines(), Contains(c.warning));
  }
}

}  // namespace
}  // namespace corvellane::testing
