// The level statistics' rows in the demo's screen, opened in the test's
// process over the main screen with the results a play screen hands over:
// what each row shows and whether it is shown, what the story's total
// becomes and what enters the high scores and the level records.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>
#include <string>

#include "game/class_list.h"
#include "persistence/object_io.h"
#include "records/record_table_collection.h"
#include "records/record_value.h"
#include "story/story_file.h"
#include "story/story_progress.h"
#include "story/user_game_data.h"
#include "story_screens/play_trace.h"
#include "story_screens/widget_ops.h"
#include "tests/game/demo_run.h"
#include "tests/story_screens/trace_reader.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_folders.h"
#include "widgets/game_screen_slave_interface.h"

namespace corvellane::testing {
namespace {

constexpr int32_t kStoryBefore = 1000;

struct RowsCase {
  const char* name;
  int copy;
  bool complete;
  int32_t gained;
  int32_t seconds;
  int32_t hints;
  int32_t wrong_clicks;
  // Texts of the rows; visibility of the rows that come and go.
  std::map<std::string, std::string> texts;
  std::map<std::string, bool> shown;
  double level_scores_top;
  int32_t story_after;
};

const RowsCase kRows[] = {
    {"WonAgainstTheClock", 0, true, 3000, 45, 0, 2,
     {{"level_time", "00:45"}, {"level_time_scores", "2,000"}, {"level_scores", "3,000"}, {"level_hints", "0"},
      {"level_hints_scores", "2,000"}, {"level_mistakes", "2"}, {"level_mistakes_scores", "500"},
      {"total_scores", "7,500"}, {"all_scores", "8,500"}},
     {{"label_title_level_complete", true}, {"label_title_level_failed", false}, {"level_time", true},
      {"level_time_scores", true}, {"total_scores", true}, {"all_scores", true}, {"level_scores", true}},
     210, kStoryBefore + 3000 + 4500},
    {"WonAtLeisure", 1, true, 3000, 45, 0, 2,
     {{"level_time_scores", "0"}, {"level_hints_scores", "2,000"}, {"level_mistakes_scores", "500"},
      {"total_scores", "5,500"}, {"all_scores", "6,500"}},
     {{"label_level_time", false}, {"level_time", false}, {"level_time_scores", false}, {"all_scores", true}},
     245, kStoryBefore + 3000 + 2500},
    {"SlowAndHelped", 0, true, 1200, 300, 3, 7,
     {{"level_time", "05:00"}, {"level_time_scores", "250"}, {"level_hints_scores", "250"},
      {"level_mistakes_scores", "0"}, {"total_scores", "1,700"}},
     {}, 210, kStoryBefore + 1200 + 500},
    {"Lost", 0, false, 0, 600, 0, 0,
     {{"level_time_scores", "0"}, {"level_hints_scores", "0"}, {"level_mistakes_scores", "0"}},
     {{"label_title_level_complete", false}, {"label_title_level_failed", true}, {"total_scores", false},
      {"label_total_scores", false}, {"all_scores", false}, {"level_scores", false}},
     210, kStoryBefore},
};

Ref<TUserGameData> DemoStory(int copy) {
  const std::string path = TestSourceDir() + "/content/game/data/ini/scenarios/default.ini.xml";
  std::ifstream file(path);
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  Ref<TUserGameData> story = CreateObject<TUserGameData>();
  StartNewStory(*story, ParseStoryText(text, path).get());
  story->SelectCopy(copy);
  story->SetScores(kStoryBefore);
  return story;
}

Ref<IParamCollection> Results(const RowsCase& row) {
  return MakeParams({{"tasktype", 0},
                     {"complete", row.complete},
                     {"scores", kStoryBefore + row.gained},
                     {"time", row.seconds},
                     {"hints_used", row.hints},
                     {"success_clicks", 9},
                     {"wrong_clicks", row.wrong_clicks}});
}

// The score of the player's record in the copy's table; -1 without one.
// (A player keeps one record per table, the best.)
int32_t PlayersBest(TGame& game, int copy) {
  Ref<IRecordCollection> records =
      game.GetHighScores()->GetTables()->GetTable(Variant(std::to_string(copy)))->GetRecords();
  for (int i = 0; i < records->Count(); ++i)
    if (Ref<IRecord> record = records->GetRecord(Variant(i));
        record && ParamText(record->GetParams().get(), "Player", "") == "Tester")
      return record->GetScore();
  return -1;
}

// The trace lines of the screen, counted by event.
class TraceEvents {
 public:
  TraceEvents() {
    SetPlayTraceSink([this](std::string_view line) { ++counts_[ParseJson(line)["event"].text]; });
  }
  ~TraceEvents() { SetPlayTraceSink(nullptr); }
  int Count(const std::string& event) { return counts_[event]; }

 private:
  std::map<std::string, int> counts_;
};

class LevelStatRows : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllGameClasses();
    run_ = std::make_unique<DemoRun>();
    ASSERT_TRUE(run_->Started());
    run_->RunUntilTopScreen("GS_Main", 1500);
    ASSERT_EQ(run_->Game().GetTopScreenName(), "GS_Main");
  }
  void TearDown() override { run_.reset(); }

  // Opens the statistics with the results; the screen, once on top.
  Ref<IGameScreenSlave> Open(Ref<IParamCollection> results) {
    EXPECT_TRUE(run_->Game().ShowScreen("GS_LevelStat", results));
    run_->RunFrames(30);
    return run_->Game().GetScreens()->GetScreen(Variant("GS_LevelStat"));
  }
  void CloseIfOnTop(IGameScreenSlave* screen) {
    if (run_->Game().GetTopScreenName() == "GS_LevelStat") run_->Game().CloseScreen(screen, nullptr);
    run_->RunFrames(30);
  }

  std::unique_ptr<DemoRun> run_;
};

TEST_F(LevelStatRows, EachRowShowsItsCountAndBonusAndTheStoryTakesTheTotal) {
  for (const RowsCase& row : kRows) {
    Ref<TUserGameData> story = DemoStory(row.copy);
    run_->Game().SetGameParamTransient("UserGameData", Variant(Ref<IObject>(story)));
    const int32_t best_before = PlayersBest(run_->Game(), row.copy);
    Ref<IGameScreenSlave> screen = Open(Results(row));
    ASSERT_TRUE(screen);
    ASSERT_EQ(run_->Game().GetTopScreenName(), "GS_LevelStat") << row.name;
    Ref<IWindow> window = screen->GetScreenWindow();
    for (const auto& [name, text] : row.texts) {
      Ref<IWidget> widget = window->FindWidget(name);
      ASSERT_TRUE(widget) << name;
      EXPECT_EQ(widget->GetProperty("text").ToText(), text) << row.name << ": " << name;
    }
    for (const auto& [name, shown] : row.shown)
      EXPECT_EQ(window->FindWidget(name)->IsVisible(), shown) << row.name << ": " << name;
    EXPECT_EQ(window->FindWidget("level_scores")->GetAnchorTop(), row.level_scores_top) << row.name;
    EXPECT_EQ(story->GetScores(), row.story_after) << row.name;
    EXPECT_EQ(PlayersBest(run_->Game(), row.copy), row.complete ? std::max(best_before, row.story_after) : best_before)
        << row.name << ": a won level enters the story's total in the high scores, a lost one nothing";
    CloseIfOnTop(screen.get());
  }
}

TEST_F(LevelStatRows, TheSameResultsShownAgainAreNotEnteredTwice) {
  Ref<TUserGameData> story = DemoStory(0);
  run_->Game().SetGameParamTransient("UserGameData", Variant(Ref<IObject>(story)));
  Ref<IParamCollection> results = Results(kRows[0]);
  TraceEvents trace;
  for (int shown = 0; shown < 2; ++shown) CloseIfOnTop(Open(results).get());
  EXPECT_EQ(trace.Count("level_stat"), 2) << "shown twice";
  EXPECT_EQ(trace.Count("records_saved"), 1) << "entered once";
  EXPECT_EQ(story->GetScores(), kRows[0].story_after) << "the bonuses count once";
}

TEST_F(LevelStatRows, ALevelRecordTakesOnlyMorePointsAndAStrictlyShorterTime) {
  struct Try {
    int32_t gained;
    int32_t seconds;
    int32_t best_points;
    int32_t best_seconds;
  };
  const Try tries[] = {{3000, 45, 3000, 45}, {3000, 45, 3000, 45}, {2000, 40, 3000, 40}, {3500, 50, 3500, 40}};
  for (const Try& t : tries) {
    Ref<TUserGameData> story = DemoStory(0);
    run_->Game().SetGameParamTransient("UserGameData", Variant(Ref<IObject>(story)));
    RowsCase row = kRows[0];
    row.gained = t.gained;
    row.seconds = t.seconds;
    CloseIfOnTop(Open(Results(row)).get());
    Ref<ILevelRecord> record = run_->Game().GetLevelRecords()->SetLevelRecord(nullptr, "0", story->GetLevel());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->GetIntValue("Score", -1, false), t.best_points) << t.gained << " points";
    EXPECT_EQ(record->GetIntValue("time", -1, false), t.best_seconds) << t.seconds << " s";
  }
}

// Where the objects found are laid out under the participant's card.
struct PictureCase {
  const char* name;
  const char* participant;  // empty: no card, no categories
  const char* object_names;
  struct Place {
    const char* object;
    double left;
    double top;
    double zoom;  // 0: not checked
  };
  std::vector<Place> places;
};

const PictureCase kPictures[] = {
    {"ThreeInTheMiddleRow", "", ";tulip/l1;vase_part2/spec;fern/l1;",
     {{"tulip", 187, 392, 38.0 / 96}, {"vase_part2", 229, 392, 38.0 / 80}, {"fern", 271, 392, 38.0 / 120}}},
    {"TwelveCloserTogether", "",
     ";tulip;sunflower;clover;cupcake;lollipop;strawberry;envelope;pencil;bookmark;glasses;scissors;yarn;",
     {{"tulip", 82, 392, 0}, {"sunflower", 110, 392, 0}, {"yarn", 82 + 11 * 28, 392, 0}}},
    {"ByTheParticipantsCategories", "marguerite", ";tulip/l1;glasses/l2;sunflower/l1;snail/l1;",
     {{"tulip", 80, 208, 0}, {"sunflower", 122, 208, 0}, {"glasses", 80, 392, 0}, {"snail", 80, 576, 0}}},
};

TEST_F(LevelStatRows, TheObjectsFoundAreLaidOutInRowsAndZoomedToTheirFrames) {
  for (const PictureCase& c : kPictures) {
    run_->Game().SetGameParamTransient("UserGameData", Variant(Ref<IObject>(DemoStory(0))));
    Ref<IParamCollection> results = Results(kRows[0]);
    results->SetNamedValue("participant", Variant(c.participant));
    results->SetNamedValue("scenename", Variant("flower_shop"));
    results->SetNamedValue("object_names", Variant(c.object_names));
    Ref<IGameScreenSlave> screen = Open(results);
    ASSERT_TRUE(screen);
    Ref<IWindow> window = screen->GetScreenWindow();
    EXPECT_EQ(window->FindWidget("specific_part_group/participant_card") != nullptr, *c.participant != 0) << c.name;
    for (const PictureCase::Place& place : c.places) {
      Ref<IWidget> picture = window->FindWidget("specific_part_group/found_" + std::string(place.object));
      ASSERT_TRUE(picture) << c.name << ": " << place.object;
      EXPECT_EQ(picture->GetAnchorLeft(), place.left) << c.name << ": " << place.object;
      EXPECT_EQ(picture->GetAnchorTop(), place.top) << c.name << ": " << place.object;
      // The factory hands the zoom on as text of eight digits.
      if (place.zoom > 0) {
        EXPECT_NEAR(picture->GetProperty("picture/zoom").ToFloat(), place.zoom, 1e-6) << c.name << ": " << place.object;
      }
    }
    CloseIfOnTop(screen.get());
  }
}

TEST_F(LevelStatRows, ResultsThatCannotBeReadCloseTheScreenAndChangeNothing) {
  Ref<TUserGameData> story = DemoStory(0);
  run_->Game().SetGameParamTransient("UserGameData", Variant(Ref<IObject>(story)));
  TraceEvents trace;
  for (const char* broken : {"complete", "time", "scores"}) {
    Ref<IParamCollection> results = Results(kRows[0]);
    results->SetNamedValue(broken, Variant("soon"));
    Open(results);
    EXPECT_NE(run_->Game().GetTopScreenName(), "GS_LevelStat") << broken;
    EXPECT_EQ(story->GetScores(), kStoryBefore) << broken;
  }
  EXPECT_EQ(trace.Count("records_saved"), 0);
  EXPECT_EQ(PlayersBest(run_->Game(), 0), -1);
}

}  // namespace
}  // namespace corvellane::testing
