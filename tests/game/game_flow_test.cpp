#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "persistence/object_io.h"
#include "tests/game/game_test_support.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kGame = R"(<game type="Game" splashlogosgs="GS_Logo" splashgs="GS_Load" closequerygs="GS_Quit" maings="GS_Main">
  <params>
    <param name="ScreenWidth" value="320"/>
    <param name="ScreenHeight" value="240"/>
  </params>
  <gamescreens>
    <gamescreen type="test_screen" name="GS_Logo" right="320" bottom="240" close_after="3"/>
    <gamescreen type="test_screen" name="GS_Load" right="320" bottom="240"/>
    <gamescreen type="test_screen" name="GS_Main" right="320" bottom="240" colour="$FF0000FF"/>
    <gamescreen type="test_screen" name="GS_Dialog" left="50" top="50" right="150" bottom="150" colour="$FFFF0000" hide_frames="2"/>
    <gamescreen type="test_screen" name="GS_Full" right="320" bottom="240"/>
    <gamescreen type="test_screen" name="GS_Quit" left="100" top="100" right="200" bottom="150"/>
  </gamescreens>
</game>)";

// Runs the logos and the loading phase, and shows the main screen as the
// loading screen does when it has finished.
void RunToMainScreen(GameRun& run) {
  ASSERT_TRUE(run.Start());
  run.RunFrames(4);
  run.Game().ShowMainScreen();
  run.RunFrames(1);
  TTestScreen::Journal().clear();
}

Ref<IParamCollection> Answer(std::string_view text) {
  Ref<IParamCollection> result = CreateObject<TParamCollection>();
  result->SetNamedValue("answer", Variant(text));
  return result;
}

TEST(GameFlow, LogosThenLoadingScreenWithLoadCompleteThenMainScreen) {
  GameRun run(kGame);
  ASSERT_TRUE(run.Start());
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Logo"));
  EXPECT_TRUE(run.Game().IsLoading());
  EXPECT_FALSE(run.Game().CanClose());  // never while loading

  run.RunFrames(3);  // the logo screen closes itself on its third frame
  EXPECT_TRUE(run.ShownNames().empty());
  run.RunFrames(1);  // the first frame after the logos starts loading
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Load"));
  EXPECT_FALSE(run.Game().IsLoading());
  EXPECT_THAT(TTestScreen::Journal(),
              ElementsAre("GS_Logo:open", "GS_Logo:close", "GS_Load:open", "GS_Load:close", "GS_Load:open complete"));

  run.Game().ShowMainScreen();
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Main"));
  EXPECT_EQ(run.Game().GetTopScreenName(), "GS_Main");
  EXPECT_EQ(run.Screen("GS_Main").Owner(), &run.Game());
}

TEST(GameFlow, ALoadingScreenThatHidesSlowlyIsStillReopenedWithLoadComplete) {
  std::string game = kGame;
  const std::string plain = R"(name="GS_Load" right="320" bottom="240")";
  game.replace(game.find(plain), plain.size(), plain + R"( hide_frames="5")");
  GameRun run(game);
  ASSERT_TRUE(run.Start());
  run.RunFrames(4);
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Load"));
  EXPECT_EQ(TTestScreen::Journal().back(), "GS_Load:open complete");
  EXPECT_FALSE(run.Game().IsLoading());
}

TEST(GameFlow, ScreensStackOnceAndOnlyTheTopOneCloses) {
  GameRun run(kGame);
  RunToMainScreen(run);
  TGame& game = run.Game();

  EXPECT_TRUE(game.ShowScreen("GS_Dialog", Answer("hello")));
  EXPECT_FALSE(game.ShowScreen("GS_Dialog", nullptr));  // never stacked twice
  EXPECT_FALSE(game.ShowScreen("GS_Nowhere", nullptr));
  EXPECT_EQ(run.Screen("GS_Dialog").OpenParameters()->GetNamedValue("answer", Variant()).ToText(), "hello");
  EXPECT_TRUE(game.ShowScreen("GS_Full", nullptr));
  EXPECT_FALSE(game.CloseScreen(&run.Screen("GS_Dialog"), nullptr));  // not on top
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Main", "GS_Dialog", "GS_Full"));

  run.RunFrames(2);
  EXPECT_EQ(run.Screen("GS_Full").advances, 2);
  EXPECT_EQ(run.Screen("GS_Dialog").advances, 0);  // only the top screen runs

  EXPECT_TRUE(game.CloseScreen(&run.Screen("GS_Full"), Answer("yes")));
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Main", "GS_Dialog"));

  // The dialog hides over two frames, then leaves and hands back to the main screen.
  EXPECT_TRUE(game.CloseScreen(&run.Screen("GS_Dialog"), Answer("no")));
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Main", "GS_Dialog"));
  run.RunFrames(2);
  EXPECT_THAT(run.ShownNames(), ElementsAre("GS_Main"));
  EXPECT_THAT(TTestScreen::Journal(),
              ElementsAre("GS_Main:deactivate", "GS_Dialog:open", "GS_Dialog:deactivate", "GS_Full:open",
                          "GS_Full:close", "GS_Dialog:activate", "GS_Dialog:child closed GS_Full yes",
                          "GS_Dialog:close", "GS_Main:activate", "GS_Main:child closed GS_Dialog no"));
}

TEST(GameFlow, ScreensEntirelyCoveredByOneAboveAreNotDrawn) {
  GameRun run(kGame);
  RunToMainScreen(run);
  TGame& game = run.Game();
  game.ShowScreen("GS_Dialog", nullptr);  // covers part of the main screen
  run.RunFrames(1);
  EXPECT_EQ(run.Engine().Canvas().GetPixel(10, 10), 0xFF0000FFu);
  EXPECT_EQ(run.Engine().Canvas().GetPixel(60, 60), 0xFFFF0000u);

  int main_draws = run.Screen("GS_Main").draws;
  int dialog_draws = run.Screen("GS_Dialog").draws;
  game.ShowScreen("GS_Full", nullptr);  // the same rectangle as the main screen
  run.RunFrames(1);
  EXPECT_EQ(run.Screen("GS_Main").draws, main_draws);
  EXPECT_EQ(run.Screen("GS_Dialog").draws, dialog_draws);
  EXPECT_EQ(run.Screen("GS_Full").draws, 1);
  EXPECT_EQ(run.Engine().Canvas().GetPixel(60, 60), 0xFF000000u);
}

TEST(GameFlow, InputGoesToTheTopScreenAndClosingAsksTheQuitQueryFirst) {
  GameRun run(kGame);
  RunToMainScreen(run);
  TGame& game = run.Game();
  game.ShowScreen("GS_Dialog", nullptr);
  PlatformEvent click;
  click.type = EventType::MouseDown;
  EXPECT_TRUE(game.MouseEvent(click));
  EXPECT_EQ(TTestScreen::Journal().back(), "GS_Dialog:mouse");

  EXPECT_FALSE(game.CanClose());  // the quit query is shown instead
  EXPECT_EQ(game.GetTopScreenName(), "GS_Quit");
  EXPECT_TRUE(game.CanClose());  // asked again while it is shown: yes
}

}  // namespace
}  // namespace corvellane::testing
