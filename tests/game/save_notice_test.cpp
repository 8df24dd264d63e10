// Saves that fail: whichever of the player's files could not be written, the
// log says so once, naming the file, the folder and the system's reason, and
// the player sees the save-notice screen, until a save of that file works
// again. A full disk is played by a file-size limit: every write then fails
// with "File too large", root or not.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "persistence/log.h"
#include "records/high_scores_interface.h"
#include "records/level_records_interface.h"
#include "records/user_profile_interface.h"
#include "shell/global_options.h"
#include "tests/game/game_test_support.h"
#include "tests/support/full_disk.h"

namespace corvellane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kGame = R"(<game type="Game" splashlogosgs="" splashgs="" maings="GS_Main" savenoticegs="GS_Notice">
  <params>
    <param name="ScreenWidth" value="320"/>
    <param name="ScreenHeight" value="240"/>
    <param name="MusicVolume" value="30"/>
  </params>
  <gamescreens>
    <gamescreen type="test_screen" name="GS_Main" right="320" bottom="240"/>
    <gamescreen type="test_screen" name="GS_Notice" left="60" top="60" right="260" bottom="180"/>
  </gamescreens>
</game>)";

class SaveNotice : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(run.Start());
    run.RunFrames(1);
    ASSERT_THAT(run.ShownNames(), ElementsAre("GS_Main"));
  }
  // Runs a frame; true when the notice came up, which is then closed again.
  bool NoticeShown() {
    run.RunFrames(1);
    const bool shown = run.ShownNames() == std::vector<std::string>{"GS_Main", "GS_Notice"};
    if (shown) run.Game().CloseScreen(&run.Screen("GS_Notice"), nullptr);
    run.RunFrames(1);
    return shown;
  }

  GameRun run{kGame};
};

struct PlayerFile {
  const char* file;
  std::function<bool(TGame&, IEngine&)> save;
};

TEST_F(SaveNotice, EachOfThePlayersFilesThatCannotBeSavedIsLoggedAndShownOnce) {
  const PlayerFile files[] = {
      {"options.dat", [](TGame& game, IEngine&) {
         game.SetGameParam("MusicVolume", Variant(41));
         return true;
       }},
      {"highscores.dat", [](TGame& game, IEngine& engine) { return game.GetHighScores()->SaveHighScores(&engine); }},
      {"records.dat", [](TGame& game, IEngine& engine) { return game.GetLevelRecords()->SaveLevelRecords(&engine); }},
      {"users.dat", [](TGame& game, IEngine& engine) { return game.GetUserProfiles()->SaveProfiles(&engine); }},
  };
  for (const PlayerFile& f : files) {
    SCOPED_TRACE(f.file);
    TLogCapture log;
    {
      TFullDisk full;
      f.save(run.Game(), run.Engine());
      f.save(run.Game(), run.Engine());  // still failing: nothing new to say
    }
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_THAT(log.Lines()[0], HasSubstr(std::string(f.file) + " could not be saved in " + run.Engine().GetSettingsFolder()));
    EXPECT_THAT(log.Lines()[0], HasSubstr("(File too large)"));
    EXPECT_TRUE(NoticeShown());
    EXPECT_FALSE(NoticeShown()) << "once per failing file";
  }
}

TEST_F(SaveNotice, AFileSavedAgainIsReportedAfreshWhenItFailsLater) {
  TLogCapture log;
  {
    TFullDisk full;
    run.Game().SetGameParam("MusicVolume", Variant(41));
  }
  EXPECT_TRUE(NoticeShown());
  run.Game().SetGameParam("MusicVolume", Variant(42));  // the disk has room again
  EXPECT_EQ(GlobalOptions().GetOption("MusicVolume"), "42");
  {
    TFullDisk full;
    run.Game().SetGameParam("MusicVolume", Variant(43));
  }
  EXPECT_TRUE(NoticeShown());
  EXPECT_EQ(log.Count("options.dat could not be saved"), 2);
}

TEST_F(SaveNotice, EachFileIsFollowedOnItsOwn) {
  TLogCapture log;
  TFullDisk full;
  run.Game().SetGameParam("MusicVolume", Variant(41));
  run.Game().GetHighScores()->SaveHighScores(&run.Engine());
  EXPECT_EQ(log.Lines().size(), 2u);
}

}  // namespace
}  // namespace corvellane::testing
