#include <gtest/gtest.h>

#include <string>

#include "persistence/object_io.h"
#include "persistence/log.h"
#include "records/level_records.h"
#include "shell/declarations.h"
#include "tests/records/records_fixture.h"

namespace corvellane {
namespace {

using testing::RecordsTest;

const std::string kKey(product::FileKeyText(product::FileKey::LevelRecords));

Ref<TLevelRecords> NewLevelRecords() { return CreateObject<TLevelRecords>(product::DefaultLevelRecordTables()); }

// "level{name=value,...} ..." for one table.
std::string Dump(TLevelRecords& records, std::string_view table_name) {
  Ref<ILevelRecordTable> table = records.GetTables()->GetTable(Variant(table_name));
  std::string out;
  for (int i = 0; i < table->GetRecords()->Count(); ++i) {
    Ref<ILevelRecord> record = table->GetRecords()->GetRecord(Variant(i));
    out += record->GetName() + "{";
    Ref<IParamCollection> params = record->GetParams();
    for (int p = 0; p < params->Count(); ++p) {
      Ref<IParam> param = params->GetParam(Variant(p));
      out += (p ? "," : "") + param->GetName() + "=" + param->GetParamValue().ToText();
    }
    out += "} ";
  }
  return out;
}

TEST(LevelRecords, ALevelHasOneRecordWhoseValuesAreReplacedByName) {
  auto records = NewLevelRecords();
  Ref<ILevelRecord> first = records->SetLevelRecord(CreateObject<TParamCollection>("\\Score=10\\time=80").get(), "0", 7);
  Ref<ILevelRecord> second = records->SetLevelRecord(CreateObject<TParamCollection>("\\Score=20").get(), "0", 7);
  ASSERT_TRUE(first);
  EXPECT_EQ(first, second);
  EXPECT_EQ(Dump(*records, "0"), "7{Score=20,time=80} ");
  EXPECT_EQ(Dump(*records, "1"), "");
  EXPECT_FALSE(records->SetLevelRecord(nullptr, "2", 7));
  EXPECT_EQ(records->GetTables()->GetTable(Variant("0"))->GetLevelRecord(8), nullptr);
  records->Cleanup();
}

TEST(LevelRecords, ValuesReadAsNumbersAndTexts) {
  auto record = CreateObject<TLevelRecord>();
  record->SetName("7");
  EXPECT_EQ(record->GetLevel(), 7);
  EXPECT_EQ(record->GetIntValue("time", -1, false), -1);
  EXPECT_EQ(record->GetParams()->Count(), 0);
  EXPECT_EQ(record->GetIntValue("time", -1, true), -1);
  EXPECT_EQ(record->GetParams()->GetNamedValue("time", Variant()).ToText(), "-1");
  record->SetTextValue("Score", "lots");
  EXPECT_EQ(record->GetIntValue("Score", 5, true), 5);
  EXPECT_EQ(record->GetTextValue("Score", "", false), "lots");
  EXPECT_EQ(record->GetTextValue("Scorename", "nobody", false), "nobody");
  EXPECT_EQ(record->GetParams()->Count(), 2);
  EXPECT_EQ(record->GetTextValue("Scorename", "nobody", true), "nobody");
  EXPECT_EQ(record->GetParams()->Count(), 3);
  record->SetIntValue("Score", 5400);
  EXPECT_EQ(record->GetIntValue("Score", -1, false), 5400);
  record->SetName("x");
  EXPECT_EQ(record->GetLevel(), -1);
}

class LevelRecordsFile : public RecordsTest {};

TEST_F(LevelRecordsFile, SavedRecordsLoadBackTheSame) {
  auto records = NewLevelRecords();
  Ref<ILevelRecord> seven = records->SetLevelRecord(nullptr, "0", 7);
  seven->SetIntValue("Score", 5400);
  seven->SetTextValue("Scorename", "Ann & <Bob>");
  records->SetLevelRecord(nullptr, "1", 2)->SetIntValue("time", 95);
  ASSERT_TRUE(records->SaveLevelRecords(engine()));

  auto loaded = NewLevelRecords();
  {
    // The declared tables are filled in place: reading them is no problem.
    TLogCapture log;
    loaded->LoadLevelRecords(engine());
    EXPECT_TRUE(log.Lines().empty()) << log.Lines().front();
  }
  EXPECT_EQ(Dump(*loaded, "0"), "7{Score=5400,Scorename=Ann & <Bob>} ");
  EXPECT_EQ(Dump(*loaded, "1"), "2{time=95} ");

  Ref<IHierStorageRoot> root = OpenStorageText(ReadDeciphered("settings/records.dat", kKey));
  ASSERT_TRUE(root);
  EXPECT_EQ(root->GetNodeName(), "highscores");
  Ref<IHierStorage> param = root->FindChild("levelrecordtables/levelrecordtable/levelrecords/levelrecord/params/param");
  ASSERT_TRUE(param);
  EXPECT_EQ(param->GetValue("name", Variant()).ToText(), "Score");
  EXPECT_EQ(param->GetValue("value", Variant()).ToText(), "5400");
}

TEST_F(LevelRecordsFile, AnyRootLoadsUndeclaredTablesAreSkippedAndTheFirstOfALevelStays) {
  WriteEnciphered("settings/records.dat", kKey,
                  "<records><levelrecordtables>"
                  "<levelrecordtable name=\"9\"><levelrecords><levelrecord name=\"1\"/></levelrecords></levelrecordtable>"
                  "<levelrecordtable name=\"1\"><levelrecords>"
                  "<levelrecord name=\"4\"><params><param name=\"Score\" value=\"10\"/></params></levelrecord>"
                  "<levelrecord name=\"4\"><params><param name=\"Score\" value=\"99\"/></params></levelrecord>"
                  "<levelrecord name=\"5\"><params><param name=\"time\" value=\"soon\"/></params></levelrecord>"
                  "</levelrecords></levelrecordtable></levelrecordtables></records>");
  auto records = NewLevelRecords();
  records->LoadLevelRecords(engine());
  EXPECT_EQ(Dump(*records, "1"), "4{Score=10} 5{time=soon} ");
  EXPECT_EQ(Dump(*records, "0"), "");
  EXPECT_EQ(records->GetTables()->Count(), 2);
  EXPECT_EQ(records->SetLevelRecord(nullptr, "1", 5)->GetIntValue("time", -1, false), -1);
}

}  // namespace
}  // namespace corvellane
