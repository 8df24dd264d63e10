#include <gtest/gtest.h>

#include <string>

#include "persistence/localization.h"
#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "records/high_scores.h"
#include "shell/declarations.h"
#include "tests/records/records_fixture.h"

namespace corvellane {
namespace {

using testing::RecordsTest;

const std::string kKey(product::FileKeyText(product::FileKey::HighScores));

Ref<THighScores> NewHighScores() { return CreateObject<THighScores>(product::DefaultHighScoreTables()); }

Ref<TParamCollection> Result(std::string_view player, int score, int level = 3) {
  return CreateObject<TParamCollection>("\\Player=" + std::string(player) + "\\Score=" + FormatInt(score) +
                                        "\\Level=" + FormatInt(level) + "\\Const=no");
}

// "name:Player Score Level Const; ..." per table, top to bottom.
std::string Dump(THighScores& scores, std::string_view table_name) {
  Ref<IRecordTable> table = scores.GetTables()->GetTable(Variant(table_name));
  std::string out;
  for (int i = 0; i < table->GetRecords()->Count(); ++i) {
    Ref<IRecord> record = table->GetRecords()->GetRecord(Variant(i));
    out += record->GetName() + ":";
    Ref<IParamCollection> fields = record->GetParams();
    for (int f = 0; f < fields->Count(); ++f) out += " " + fields->GetParam(Variant(f))->GetParamValue().ToText();
    out += "; ";
  }
  return out;
}

std::string Record(std::string_view name, std::string_view score, std::string_view player = "p",
                   std::string_view fixed = "no") {
  return "<record name=\"" + std::string(name) + "\"><params><param name=\"Score\">" + std::string(score) +
         "</param><param name=\"Player\">" + std::string(player) + "</param><param name=\"Const\">" +
         std::string(fixed) + "</param></params></record>";
}

std::string File(std::string_view table0, std::string_view table1 = "") {
  return "<highscores><recordtables><recordtable name=\"0\"><records>" + std::string(table0) +
         "</records></recordtable><recordtable name=\"1\"><records>" + std::string(table1) +
         "</records></recordtable></recordtables></highscores>";
}

class HighScoresFile : public RecordsTest {};

TEST_F(HighScoresFile, SavedTablesLoadBackTheSame) {
  auto scores = NewHighScores();
  scores->SubmitRecord(Result("Ann", 1200, 4).get(), "0");
  scores->SubmitRecord(Result("Bob", 900).get(), "0");
  scores->SubmitRecord(Result("Cy", 1500).get(), "0");
  scores->SubmitRecord(Result("Dee", 40, 1).get(), "1");
  ASSERT_TRUE(scores->SaveHighScores(engine()));

  auto loaded = NewHighScores();
  loaded->LoadHighScores(engine(), false);
  EXPECT_EQ(Dump(*loaded, "0"), Dump(*scores, "0"));
  EXPECT_EQ(Dump(*loaded, "1"), Dump(*scores, "1"));
  EXPECT_NE(Dump(*loaded, "0").find(": 1500 Cy 3 no; "), std::string::npos);
  EXPECT_EQ(loaded->GetTables()->GetTable(Variant("0"))->GetLastIndex(), -1);

  // The stored form, through the document the game writes.
  Ref<IHierStorageRoot> root = OpenStorageText(ReadDeciphered("settings/highscores.dat", kKey));
  ASSERT_TRUE(root);
  EXPECT_EQ(root->GetNodeName(), "highscores");
  Ref<IHierStorage> table = root->FindChild("recordtables/recordtable");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->GetValue("name", Variant()).ToText(), "0");
  EXPECT_EQ(table->GetValue("type", Variant()).ToText(), "");
  Ref<IHierStorage> param = table->FindChild("records/record/params/param");
  ASSERT_TRUE(param);
  EXPECT_EQ(param->GetValue("name", Variant()).ToText(), "Score");
  EXPECT_EQ(param->GetText().ToText(), "1500");
}

TEST_F(HighScoresFile, LoadingKeepsTheHighestAndSkipsWhatIsNotDeclared) {
  std::string table0;
  for (int i = 1; i <= 12; ++i) table0 += Record("R" + FormatInt(i), FormatInt(i * 100));
  std::string extra_field =
      "<record name=\"X\"><params><param name=\"Score\">50</param><param name=\"Bonus\">9</param>"
      "<param name=\"\">1</param></params></record>";
  WriteEnciphered("settings/highscores.dat", kKey,
                  "<highscores><recordtables><recordtable name=\"0\"><records>" + table0 +
                      "</records></recordtable><recordtable name=\"7\"><records>" + Record("Z", "99") +
                      "</records></recordtable><recordtable name=\"1\"><records>" + extra_field +
                      "</records></recordtable></recordtables></highscores>");
  auto scores = NewHighScores();
  scores->LoadHighScores(engine(), false);
  Ref<IRecordCollection> records = scores->GetTables()->GetTable(Variant("0"))->GetRecords();
  ASSERT_EQ(records->Count(), 10);
  EXPECT_EQ(records->GetRecord(Variant(0))->GetScore(), 1200);
  EXPECT_EQ(records->GetRecord(Variant(9))->GetScore(), 300);
  EXPECT_EQ(Dump(*scores, "1"), "X: 50   ; ");
  EXPECT_EQ(scores->GetTables()->Count(), 2);
  EXPECT_TRUE(AsideCopies("highscores.dat").empty());
}

TEST_F(HighScoresFile, NewRecordsNeverTakeTheNameOfALoadedOne) {
  // The names the run's counter will hand out next, already in the file.
  std::string next = TRecord::NextAutomaticName();
  int number = *ParseInt(next.substr(6));
  std::string table0;
  for (int i = 0; i < 3; ++i) table0 += Record("Record" + FormatInt(number + i), FormatInt(900 - i), "old");
  WriteEnciphered("settings/highscores.dat", kKey, File(table0));
  auto scores = NewHighScores();
  scores->LoadHighScores(engine(), false);
  ASSERT_TRUE(scores->SubmitRecord(Result("new", 950).get(), "0"));
  Ref<IRecordTable> table = scores->GetTables()->GetTable(Variant("0"));
  ASSERT_EQ(table->GetRecords()->Count(), 4);
  Ref<IRecord> marked = table->GetRecords()->GetRecord(Variant(table->GetLastIndex()));
  EXPECT_EQ(marked->GetParams()->GetNamedValue("Player", Variant()).ToText(), "new");
  EXPECT_EQ(marked->GetScore(), 950);
}

TEST_F(HighScoresFile, ReferencesInTheShippedFileExpandWhilePlayersNamesStayAsTyped) {
  CreateMultiLanguages();
  MultiLanguages()->AddString("hs_name1", "Grandma Rose");
  WriteEnciphered("program/highscores.dat", kKey, File(Record("Fixed", "700", "%hs_name1%", "yes")));
  auto scores = NewHighScores();
  scores->LoadHighScores(engine(), false);
  const std::string typed = "50%% off %hs_name1% 100%";
  scores->SubmitRecord(Result(typed, 800).get(), "0");
  ASSERT_TRUE(scores->SaveHighScores(engine()));

  auto loaded = NewHighScores();
  loaded->LoadHighScores(engine(), false);
  EXPECT_EQ(Dump(*loaded, "0"), Dump(*scores, "0"));
  EXPECT_NE(Dump(*loaded, "0").find(": 700 Grandma Rose  yes; "), std::string::npos) << Dump(*loaded, "0");
  EXPECT_NE(Dump(*loaded, "0").find("800 " + typed + " 3 no"), std::string::npos) << Dump(*loaded, "0");
  ReleaseMultiLanguages();

  // Without a language object the saved form reads back the same.
  auto plain = NewHighScores();
  plain->LoadHighScores(engine(), false);
  EXPECT_NE(Dump(*plain, "0").find("800 " + typed + " 3 no"), std::string::npos) << Dump(*plain, "0");
}

TEST_F(HighScoresFile, ResettingBringsBackTheShippedTables) {
  WriteEnciphered("program/highscores.dat", kKey, File(Record("Shipped", "500", "Rose", "yes")));
  WriteEnciphered("settings/highscores.dat", kKey, File(Record("Mine", "900", "Ann")));
  auto scores = NewHighScores();
  scores->LoadHighScores(engine(), false);
  EXPECT_EQ(Dump(*scores, "0"), "Mine: 900 Ann  no; ");

  scores->ClearAll();
  scores->LoadHighScores(engine(), true);
  ASSERT_TRUE(scores->SaveHighScores(engine()));
  auto reloaded = NewHighScores();
  reloaded->LoadHighScores(engine(), false);
  EXPECT_EQ(Dump(*reloaded, "0"), "Shipped: 500 Rose  yes; ");
}

}  // namespace
}  // namespace corvellane
