#include <gtest/gtest.h>

#include "persistence/log.h"
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

TEST(GameOptions, AStoredValueTheGameCannotUseGivesWayToTheDefinitionsWithAWarning) {
  struct Case {
    const char* option;
    const char* stored;
    const char* used;  // and stored afterwards
    bool warned;
  } cases[] = {
      {"MusicVolume", "45", "45", false},    {"MusicVolume", "0", "0", false},
      {"MusicVolume", "loud", "30", true},   {"MusicVolume", "150", "30", true},
      {"MusicVolume", "-1", "30", true},     {"SoundVolume", "4.5", "80", true},
      {"FullScreenMode", "yes", "yes", false}, {"FullScreenMode", "maybe", "no", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.option) + " = " + c.stored);
    TempDir folder;
    {
      GameRun first(kGame, &folder);
      ASSERT_TRUE(first.Start());
      TGlobalOptions store(first.OptionsPath(), std::string(product::FileKeyText(product::FileKey::Options)));
      ASSERT_TRUE(store.SetOption(c.option, c.stored));
    }
    TLogCapture log;
    GameRun run(kGame, &folder);
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.Game().GetGameParam(c.option).ToText(), c.used);
    EXPECT_EQ(run.Engine().GetEngineParam(c.option).ToText(), c.used);
    EXPECT_EQ(Stored(run, c.option), c.used);
    if (c.warned) {
      ASSERT_EQ(log.Lines().size(), 1u);
      EXPECT_EQ(log.Lines()[0], std::string("options.dat: the option ") + c.option + " = \"" + c.stored +
                                    "\" is not a value the game can use; the game's \"" + c.used + "\" replaces it");
    } else {
      EXPECT_TRUE(log.Lines().empty());
    }
  }
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
