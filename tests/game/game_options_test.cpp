#include <gtest/gtest.h>

#include "shell/declarations.h"
#include "shell/global_options.h"
#include "tests/game/game_test_support.h"

namespace corvellane::testing {
namespace {

constexpr const char* kGame = R"(<game type="Game" splashlogosgs="" splashgs="" maings="">
  <params>
    <param name="ScreenWidth" value="320"/>
    <param name="ScreenHeight" value="240"/>
    <param name="FullScreenMode" value="no"/>
    <param name="MusicVolume" value="30"/>
    <param name="SoundVolume" value="80"/>
  </params>
</game>)";

std::optional<std::string> Stored(const GameRun& run, std::string_view name) {
  TGlobalOptions store(run.OptionsPath(), std::string(product::FileKeyText(product::FileKey::Options)));
  return store.GetOption(name);
}

PlatformEvent AltKey(KeyCode key) {
  PlatformEvent event;
  event.type = EventType::AltKey;
  event.key = key;
  event.alt = true;
  return event;
}

TEST(GameOptions, FirstRunStoresTheDefinitionValuesAndLaterRunsUseTheStoredOnes) {
  TempDir folder;
  {
    GameRun first(kGame, &folder);
    ASSERT_TRUE(first.Start());
    EXPECT_EQ(Stored(first, "MusicVolume"), "30");
    EXPECT_EQ(Stored(first, "FullScreenMode"), "no");
    EXPECT_EQ(Stored(first, "ScreenWidth"), std::nullopt);  // not a persisted option
    first.Game().SetGameParam("MusicVolume", Variant(55));
    first.Game().SetGameParam("SoundVolume", Variant(""));  // empty counts as absent
  }
  GameRun second(kGame, &folder);
  ASSERT_TRUE(second.Start());
  EXPECT_EQ(second.Game().GetGameParam("MusicVolume").ToText(), "55");
  EXPECT_EQ(second.Engine().GetEngineParam("MusicVolume").ToText(), "55");
  EXPECT_EQ(second.Game().GetGameParam("SoundVolume").ToText(), "80");
  EXPECT_EQ(Stored(second, "SoundVolume"), "80");
}

TEST(GameOptions, AltEnterSwitchesFullScreenAndIsRememberedAltRIsNot) {
  GameRun run(kGame);
  ASSERT_TRUE(run.Start());
  TGame& game = run.Game();
  EXPECT_TRUE(game.KeyEvent(AltKey(KeyCode::Enter)));
  EXPECT_EQ(run.Engine().GetEngineParam("FullScreenMode").ToText(), "yes");
  EXPECT_EQ(Stored(run, "FullScreenMode"), "yes");

  EXPECT_TRUE(game.KeyEvent(AltKey(KeyCode('R'))));
  EXPECT_EQ(run.Engine().GetEngineParam("ShowRects").ToText(), "no");
  EXPECT_TRUE(game.KeyEvent(AltKey(KeyCode('R'))));
  EXPECT_EQ(run.Engine().GetEngineParam("ShowRects").ToText(), "yes");
  EXPECT_EQ(Stored(run, "ShowRects"), std::nullopt);

  EXPECT_FALSE(game.KeyEvent(AltKey(KeyCode('Q'))));
  EXPECT_TRUE(game.KeyEvent(AltKey(KeyCode::Enter)));
  EXPECT_EQ(Stored(run, "FullScreenMode"), "no");
}

TEST(GameOptions, ADamagedStoreIsKeptAsideAndTheDefinitionValuesApply) {
  TempDir folder;
  folder.Write("settings/options.dat", "this is not an enciphered store");
  GameRun run(kGame, &folder);
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(run.Game().GetGameParam("MusicVolume").ToText(), "30");
  EXPECT_EQ(Stored(run, "MusicVolume"), "30");
  bool kept_aside = false;
  for (const auto& entry : std::filesystem::directory_iterator(folder.File("settings")))
    kept_aside |= entry.path().filename().string().starts_with("options.dat.corrupt-");
  EXPECT_TRUE(kept_aside);
}

}  // namespace
}  // namespace corvellane::testing

namespace corvellane::testing {
namespace {

TEST(GameRecords, TheRecordTablesAreReadyOnceTheEngineIsAttachedAndGoWithTheGame) {
  GameRun run(kGame);
  ASSERT_TRUE(run.Start());
  Ref<IHighScores> scores = run.Game().GetHighScores();
  ASSERT_TRUE(scores);
  EXPECT_EQ(scores->GetTables()->Count(), 2);  // one table per way of playing
  EXPECT_TRUE(run.Game().GetLevelRecords());
  run.Engine().Finish();
  EXPECT_FALSE(run.Game().GetHighScores());
  EXPECT_FALSE(run.Game().GetLevelRecords());
}

}  // namespace
}  // namespace corvellane::testing
