// Clearing the high scores from their screen: the Clear button asks first;
// yes puts both tables back to the scores shipped with the game (the demo
// ships none) and saves them at once, no keeps every entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "game/class_list.h"
#include "persistence/cipher.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "records/high_scores.h"
#include "shell/declarations.h"
#include "story_screens/widget_ops.h"
#include "tests/game/demo_run.h"
#include "tests/story_screens/play_script.h"
#include "tests/story_screens/saved_records.h"
#include "tests/story_screens/story_setup.h"
#include "tests/support/temp_dir.h"

namespace corvellane::testing {
namespace {

// Points of the demo (content/game/data/screens/): the main screen's
// high-scores button; on the high scores the Clear button; the question's
// No and Yes buttons.
constexpr TPoint kHighScoresButton{772, 630};
constexpr TPoint kClearButton{785, 160};
constexpr TPoint kNoButton{512, 444};
constexpr TPoint kYesButton{512, 520};
constexpr int kQuestionUpMs = 10200;
constexpr int kEndMs = 12500;

void WriteHighScores(const std::filesystem::path& settings) {
  Ref<THighScores> scores = CreateObject<THighScores>(product::DefaultHighScoreTables());
  for (const char* table : {"0", "1"}) {
    Ref<TParamCollection> entry = MakeParams({{"Player", "Tester"}, {"Score", "1234"}, {"Level", "3"}});
    ASSERT_TRUE(scores->SubmitRecord(entry.get(), table));
  }
  Ref<IHierStorageRoot> document = CreateStorage("highscores");
  scores->SaveProperties(document.get());
  std::ofstream(settings / std::string(product::HighScoresFileName), std::ios::binary)
      << EncryptText(product::FileKeyText(product::FileKey::HighScores), document->SaveToText());
}

int Entries(const std::filesystem::path& settings) {
  Ref<THighScores> saved = ReadSavedHighScores(settings);
  int entries = 0;
  for (const char* table : {"0", "1"}) entries += saved->GetTables()->GetTable(Variant(table))->GetRecords()->Count();
  return entries;
}

TEST(HighScoresClear, TheQuestionAnsweredYesEmptiesBothTablesAndNoKeepsThem) {
  RegisterAllGameClasses();
  struct Case {
    const char* answer;
    TPoint button;
    int entries_after;
  };
  for (const Case& c : {Case{"no", kNoButton, 2}, Case{"yes", kYesButton, 0}}) {
    TempDir settings;
    WriteStoryAtStage(settings.path(), "Tester", "petals", 0);
    WriteHighScores(settings.path());
    ASSERT_EQ(Entries(settings.path()), 2);
    const std::string script = ClickAt(7700, kHighScoresButton) + ClickAt(9000, kClearButton) +
                               ClickAt(kQuestionUpMs + 300, c.button);
    DemoRun run(script, settings.path());
    ASSERT_TRUE(run.Started());
    run.RunFrames(kQuestionUpMs / 16);
    EXPECT_EQ(run.Game().GetTopScreenName(), "GS_ClearHighScores") << c.answer;
    run.RunFrames((kEndMs - kQuestionUpMs) / 16);
    EXPECT_EQ(run.Game().GetTopScreenName(), "GS_HighScores") << c.answer;
    EXPECT_EQ(Entries(settings.path()), c.entries_after) << c.answer;
  }
}

}  // namespace
}  // namespace corvellane::testing
