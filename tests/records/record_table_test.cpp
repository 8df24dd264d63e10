#include <gtest/gtest.h>

#include <string>

#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "records/high_scores.h"
#include "shell/declarations.h"

namespace corvellane {
namespace {

constexpr const char* kStructure = "record_structure={param=Score\\param=Player\\param=Level\\param=Const}";

Ref<TRecordTable> MakeTable(std::string_view extra = "max_records=10") {
  return CreateObject<TRecordTable>("name=0\\" + std::string(extra) + "\\" + kStructure);
}

Ref<TParamCollection> Result(std::string_view player, std::string_view score, std::string_view fixed = "no") {
  return CreateObject<TParamCollection>("\\Player=" + std::string(player) + "\\Score=" + std::string(score) +
                                        "\\Level=3\\Const=" + std::string(fixed));
}

// "Ann 500, Bob 400": the table top to bottom.
std::string Listing(IRecordTable& table) {
  std::string out;
  Ref<IRecordCollection> records = table.GetRecords();
  for (int i = 0; i < records->Count(); ++i) {
    Ref<IRecord> record = records->GetRecord(Variant(i));
    IParamCollection* params = record->GetParams().get();
    if (!out.empty()) out += ", ";
    out += params->GetNamedValue("Player", Variant()).ToText() + " " + FormatInt(record->GetScore());
  }
  return out;
}

void Fill(IRecordTable& table, std::initializer_list<std::pair<const char*, int>> entries, const char* fixed = "no") {
  for (auto [player, score] : entries) ASSERT_TRUE(table.AddRecord(Result(player, FormatInt(score), fixed).get()));
}

TEST(RecordTable, AFullTableTakesOnlyScoresAboveItsLowestAndDropsThatOne) {
  auto table = MakeTable();
  Fill(*table, {{"p1", 950}, {"p2", 900}, {"p3", 850}, {"p4", 800}, {"p5", 750},
                {"p6", 700}, {"p7", 650}, {"p8", 600}, {"p9", 550}, {"low", 500}});
  EXPECT_FALSE(table->CanEnter(500));
  EXPECT_FALSE(table->SubmitRecord(Result("new", "500").get()));
  EXPECT_EQ(table->GetRecords()->Count(), 10);

  EXPECT_TRUE(table->CanEnter(501));
  EXPECT_TRUE(table->SubmitRecord(Result("new", "501").get()));
  EXPECT_EQ(table->GetRecords()->Count(), 10);
  Ref<IRecord> last = table->GetRecords()->GetRecord(Variant(9));
  EXPECT_EQ(last->GetParams()->GetNamedValue("Player", Variant()).ToText(), "new");
  EXPECT_EQ(table->GetLastIndex(), 9);
  EXPECT_EQ(Listing(*table).find("low"), std::string::npos);
}

TEST(RecordTable, WhichScoresEnter) {
  struct Case {
    const char* what;
    const char* table_params;
    int32_t score;
    bool enters;
  } cases[] = {
      {"zero into an empty table", "max_records=10", 0, false},
      {"negative into an empty table", "max_records=10", -5, false},
      {"positive into an empty table", "max_records=10", 1, true},
      {"a table without max_records keeps nothing", "", 100, false},
      {"max_records that is no number means 10", "max_records=lots", 100, true},
      {"a negative max_records keeps nothing", "max_records=-3", 100, false},
  };
  for (const Case& c : cases) {
    auto table = MakeTable(c.table_params);
    EXPECT_EQ(table->CanEnter(c.score), c.enters) << c.what;
    EXPECT_EQ(table->AddRecord(Result("p", FormatInt(c.score)).get()) != nullptr, c.enters) << c.what;
    EXPECT_EQ(table->GetRecords()->Count(), c.enters ? 1 : 0) << c.what;
  }
  auto lots = MakeTable("max_records=lots");
  for (int i = 1; i <= 12; ++i) lots->AddRecord(Result("p" + FormatInt(i), FormatInt(i * 10)).get());
  EXPECT_EQ(lots->GetRecords()->Count(), 10);
}

TEST(RecordTable, ANewRecordGoesBelowEveryRecordOfItsScore) {
  auto table = MakeTable();
  Fill(*table, {{"a", 700}, {"b", 500}, {"c", 500}, {"d", 300}});
  ASSERT_TRUE(table->AddRecord(Result("n", "500").get()));
  EXPECT_EQ(Listing(*table), "a 700, b 500, c 500, n 500, d 300");
  EXPECT_EQ(table->GetLastIndex(), 3);
  ASSERT_TRUE(table->AddRecord(Result("m", "700").get()));
  EXPECT_EQ(Listing(*table), "a 700, m 700, b 500, c 500, n 500, d 300");
  EXPECT_EQ(table->GetLastIndex(), 1);
}

TEST(RecordTable, ABetterScoreUpdatesThePlayersRecordAndMovesIt) {
  auto table = MakeTable();
  Fill(*table, {{"a", 900}, {"b", 800}, {"c", 700}, {"d", 600}});
  EXPECT_TRUE(table->SubmitRecord(Result("d", "850").get()));
  EXPECT_EQ(Listing(*table), "a 900, d 850, b 800, c 700");
  EXPECT_EQ(table->GetLastIndex(), 1);
  // Better, yet still in the same place: the record is updated all the same.
  EXPECT_TRUE(table->SubmitRecord(Result("d", "860").get()));
  EXPECT_EQ(Listing(*table), "a 900, d 860, b 800, c 700");
  EXPECT_EQ(table->GetRecords()->Count(), 4);
}

TEST(RecordTable, AWeakerGameNeverWipesOutAPlayersBestScore) {
  auto table = MakeTable();
  Fill(*table, {{"a", 900}, {"b", 800}, {"c", 700}});
  table->ResetLastIndex();
  for (const char* score : {"300", "800"}) {
    EXPECT_FALSE(table->SubmitRecord(Result("b", score).get())) << score;
    EXPECT_EQ(Listing(*table), "a 900, b 800, c 700") << score;
    EXPECT_EQ(table->GetLastIndex(), -1) << score;
  }
}

TEST(RecordTable, FixedRecordsAreNeverUpdated) {
  auto table = MakeTable();
  Fill(*table, {{"Ann", 900}}, "yes");
  EXPECT_TRUE(table->SubmitRecord(Result("Ann", "950").get()));
  EXPECT_EQ(Listing(*table), "Ann 950, Ann 900");
  Ref<IRecord> fixed = table->GetRecords()->GetRecord(Variant(1));
  EXPECT_EQ(fixed->GetParams()->GetNamedValue("Const", Variant()).ToText(), "yes");
  // The second submission finds the player's own record, not the fixed one.
  EXPECT_TRUE(table->SubmitRecord(Result("Ann", "990").get()));
  EXPECT_EQ(Listing(*table), "Ann 990, Ann 900");
}

TEST(RecordTable, AddPlayerRecordKeepsOneOwnRecordPerPlayer) {
  auto table = MakeTable();
  Fill(*table, {{"Ann", 900}}, "yes");
  EXPECT_TRUE(table->AddPlayerRecord(Result("Ann", "100").get()));
  EXPECT_FALSE(table->AddPlayerRecord(Result("Ann", "990").get()));
  EXPECT_TRUE(table->AddPlayerRecord(Result("Bob", "990").get()));
  EXPECT_EQ(Listing(*table), "Bob 990, Ann 900, Ann 100");
}

TEST(RecordTable, ScoresThatAreNoNumberEnterNothing) {
  auto table = MakeTable();
  Fill(*table, {{"a", 900}});
  for (const char* score : {"abc", "", "12x"}) {
    EXPECT_FALSE(table->SubmitRecord(Result("b", score).get())) << score;
    EXPECT_FALSE(table->SubmitRecord(Result("a", score).get())) << score;
    EXPECT_FALSE(table->AddRecord(Result("b", score).get())) << score;
  }
  EXPECT_FALSE(table->SubmitRecord(CreateObject<TParamCollection>("\\Player=b").get()));
  EXPECT_FALSE(table->SubmitRecord(nullptr));
  EXPECT_FALSE(table->AddRecord(nullptr));
  EXPECT_EQ(Listing(*table), "a 900");
}

TEST(RecordTable, OnlyTheStructuresFieldsAreCopied) {
  auto table = MakeTable();
  auto params = CreateObject<TParamCollection>("\\score=700\\PLAYER=Ann\\Bonus=5");
  Ref<IRecord> record = table->AddRecord(params.get());
  ASSERT_TRUE(record);
  Ref<IParamCollection> fields = record->GetParams();
  ASSERT_EQ(fields->Count(), 4);
  EXPECT_EQ(fields->GetParam(Variant(0))->GetName(), "Score");
  EXPECT_EQ(fields->GetNamedValue("Player", Variant()).ToText(), "Ann");
  EXPECT_TRUE(fields->GetNamedValue("Level", Variant()).IsEmpty());
  EXPECT_FALSE(fields->GetParam(Variant("Bonus")));
}

TEST(HighScores, TablesComeFromTheDeclarationsAndUnknownTablesAnswerNothing) {
  auto scores = CreateObject<THighScores>(product::DefaultHighScoreTables());
  ASSERT_EQ(scores->GetTables()->Count(), 2);
  EXPECT_TRUE(scores->SubmitRecord(Result("Ann", "300").get(), "1"));
  EXPECT_EQ(scores->GetTables()->GetTable(Variant("1"))->GetRecords()->Count(), 1);
  EXPECT_EQ(scores->GetTables()->GetTable(Variant("0"))->GetRecords()->Count(), 0);
  EXPECT_FALSE(scores->SubmitRecord(Result("Ann", "300").get(), "2"));
  EXPECT_FALSE(scores->AddRecord(Result("Ann", "300").get(), "2"));
  EXPECT_FALSE(scores->AddPlayerRecord(Result("Ann", "300").get(), "2"));
  EXPECT_FALSE(scores->CanEnter(300, "2"));
  EXPECT_TRUE(scores->CanEnter(300, "0"));

  EXPECT_EQ(scores->GetTables()->GetTable(Variant("1"))->GetLastIndex(), 0);
  scores->ResetLastIndexes();
  EXPECT_EQ(scores->GetTables()->GetTable(Variant("1"))->GetLastIndex(), -1);
  scores->ClearAll();
  EXPECT_EQ(scores->GetTables()->GetTable(Variant("1"))->GetRecords()->Count(), 0);
  scores->Cleanup();
}

}  // namespace
}  // namespace corvellane
