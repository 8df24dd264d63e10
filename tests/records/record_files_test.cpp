// The faults both record files share: damaged files, failed saves, and the
// copy shipped in the program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "persistence/object_io.h"
#include "records/high_scores.h"
#include "records/level_records.h"
#include "shell/declarations.h"
#include "tests/records/records_fixture.h"

namespace corvellane {
namespace {

using testing::RecordsTest;

// One kind of record file, driven the same way for both.
struct Subject {
  std::string file_name;
  std::string key;
  std::string other_key;
  // A plain document holding one entry that Summary shows as `entry`.
  std::string document;
  std::string entry;
  std::function<void(IEngine*)> load;
  std::function<bool(IEngine*)> save;
  // Adds an entry of its own, shown as "mine".
  std::function<void()> add_own;
  std::function<std::string()> summary;
};

Subject HighScoresSubject() {
  auto scores = CreateObject<THighScores>(product::DefaultHighScoreTables());
  Subject s;
  s.file_name = "highscores.dat";
  s.key = product::FileKeyText(product::FileKey::HighScores);
  s.other_key = product::FileKeyText(product::FileKey::LevelRecords);
  s.document =
      "<highscores><recordtables><recordtable name=\"0\"><records><record name=\"R\"><params>"
      "<param name=\"Score\">500</param><param name=\"Player\">shipped</param></params></record>"
      "</records></recordtable></recordtables></highscores>";
  s.entry = "shipped";
  s.load = [scores](IEngine* engine) { scores->LoadHighScores(engine, false); };
  s.save = [scores](IEngine* engine) { return scores->SaveHighScores(engine); };
  s.add_own = [scores] {
    scores->SubmitRecord(CreateObject<TParamCollection>("\\Player=mine\\Score=900").get(), "0");
  };
  s.summary = [scores] {
    std::string out;
    Ref<IRecordCollection> records = scores->GetTables()->GetTable(Variant("0"))->GetRecords();
    for (int i = 0; i < records->Count(); ++i)
      out += records->GetRecord(Variant(i))->GetParams()->GetNamedValue("Player", Variant()).ToText() + ";";
    return out;
  };
  return s;
}

Subject LevelRecordsSubject() {
  auto records = CreateObject<TLevelRecords>(product::DefaultLevelRecordTables());
  Subject s;
  s.file_name = "records.dat";
  s.key = product::FileKeyText(product::FileKey::LevelRecords);
  s.other_key = product::FileKeyText(product::FileKey::HighScores);
  s.document =
      "<highscores><levelrecordtables><levelrecordtable name=\"0\"><levelrecords><levelrecord name=\"1\">"
      "<params><param name=\"Scorename\" value=\"shipped\"/></params></levelrecord>"
      "</levelrecords></levelrecordtable></levelrecordtables></highscores>";
  s.entry = "shipped";
  s.load = [records](IEngine* engine) { records->LoadLevelRecords(engine); };
  s.save = [records](IEngine* engine) { return records->SaveLevelRecords(engine); };
  s.add_own = [records] { records->SetLevelRecord(nullptr, "0", 2)->SetTextValue("Scorename", "mine"); };
  s.summary = [records] {
    std::string out;
    Ref<ILevelRecordCollection> levels = records->GetTables()->GetTable(Variant("0"))->GetRecords();
    for (int i = 0; i < levels->Count(); ++i)
      out += levels->GetRecord(Variant(i))->GetTextValue("Scorename", "", false) + ";";
    return out;
  };
  return s;
}

using SubjectFactory = Subject (*)();

class RecordFiles : public RecordsTest, public ::testing::WithParamInterface<SubjectFactory> {
 protected:
  Subject Fresh() { return GetParam()(); }
  std::string Settings(const Subject& s) { return "settings/" + s.file_name; }
  std::string Program(const Subject& s) { return "program/" + s.file_name; }
};

TEST_P(RecordFiles, ADamagedFileIsKeptAsideTheTablesStartEmptyAndTheNextSaveWritesBesideIt) {
  const Subject kind = Fresh();
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"not hexadecimal", "these are not the records you are looking for"},
      {"another file's key", EncryptText(kind.other_key, kind.document)},
      {"not XML", EncryptText(kind.key, kind.document.substr(0, kind.document.size() / 2))},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::string& old : AsideCopies(kind.file_name)) Remove(old);
    Subject s = Fresh();
    Write(Settings(s), c.bytes);
    // The shipped copy is for a settings folder without a file, not for a damaged one.
    WriteEnciphered(Program(s), s.key, s.document);
    s.load(engine());
    EXPECT_EQ(s.summary(), "");
    std::vector<std::string> aside = AsideCopies(s.file_name);
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(Read(aside[0]), c.bytes);
    EXPECT_FALSE(Exists(Settings(s)));

    s.add_own();
    ASSERT_TRUE(s.save(engine()));
    EXPECT_EQ(AsideCopies(s.file_name), aside);
    EXPECT_EQ(Read(aside[0]), c.bytes);
    Subject reloaded = Fresh();
    reloaded.load(engine());
    EXPECT_EQ(reloaded.summary(), "mine;");
  }
}

TEST_P(RecordFiles, AFailedSaveIsReportedAndLeavesTheOldFileAsItWas) {
  Subject s = Fresh();
  WriteEnciphered(Settings(s), s.key, s.document);
  const std::string before = Read(Settings(s));
  s.load(engine());
  s.add_own();
  engine()->fail_writes = true;
  EXPECT_FALSE(s.save(engine()));
  EXPECT_EQ(engine()->writes, 1);
  EXPECT_EQ(Read(Settings(s)), before);
  EXPECT_TRUE(AsideCopies(s.file_name).empty());

  engine()->fail_writes = false;
  EXPECT_TRUE(s.save(engine()));
  Subject reloaded = Fresh();
  reloaded.load(engine());
  EXPECT_EQ(reloaded.summary(), s.summary());
}

TEST_P(RecordFiles, TheProgramFolderCopyIsReadOnlyWhenTheSettingsFolderHasNone) {
  Subject shipped_only = Fresh();
  WriteEnciphered(Program(shipped_only), shipped_only.key, shipped_only.document);
  const std::string shipped_bytes = Read(Program(shipped_only));
  shipped_only.load(engine());
  EXPECT_EQ(shipped_only.summary(), shipped_only.entry + ";");
  EXPECT_FALSE(Exists(Settings(shipped_only)));

  shipped_only.add_own();
  ASSERT_TRUE(shipped_only.save(engine()));
  EXPECT_EQ(Read(Program(shipped_only)), shipped_bytes);

  // Now the settings folder has a file of its own; the shipped one is not read.
  Subject both = Fresh();
  both.load(engine());
  EXPECT_EQ(both.summary(), shipped_only.summary());
  EXPECT_NE(both.summary(), shipped_only.entry + ";");
}

TEST_P(RecordFiles, ADamagedShippedCopyIsSkippedAndLeftWhereItIs) {
  Subject s = Fresh();
  Write(Program(s), "damaged");
  s.load(engine());
  EXPECT_EQ(s.summary(), "");
  EXPECT_EQ(Read(Program(s)), "damaged");
  EXPECT_TRUE(AsideCopies(s.file_name).empty());
  EXPECT_FALSE(Exists(Settings(s)));
}

TEST_P(RecordFiles, NoFileAnywhereLeavesTheTablesEmptyAndWritesNothing) {
  Subject s = Fresh();
  s.load(engine());
  EXPECT_EQ(s.summary(), "");
  EXPECT_FALSE(Exists(Settings(s)));
  EXPECT_EQ(engine()->writes, 0);
  EXPECT_FALSE(s.save(nullptr));
}

INSTANTIATE_TEST_SUITE_P(Both, RecordFiles, ::testing::Values(&HighScoresSubject, &LevelRecordsSubject),
                         [](const auto& info) { return info.index == 0 ? "HighScores" : "LevelRecords"; });

}  // namespace
}  // namespace corvellane
