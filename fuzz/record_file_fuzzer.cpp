// Arbitrary bytes as the record files of the settings folder (fuzz_support.h:
// "<" text is enciphered first), read by the game's high scores and level
// records: each reads what it can or sets the file aside; a record submitted
// afterwards is kept, and what is saved loads back into the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "fuzz/fuzz_support.h"
#include "persistence/object_io.h"
#include "persistence/params.h"
#include "persistence/storage.h"
#include "records/high_scores.h"
#include "records/level_records.h"
#include "shell/declarations.h"

using namespace corvellane;

namespace {

constexpr size_t kMaxInputSize = 32 * 1024;

IEngine& Engine() {
  static THeadlessPlatform platform{HeadlessOptions{}};
  static Ref<TEngine> engine = CreateEngine(platform);
  return *engine;
}

template <class T>
std::string Saved(T& records, std::string_view root_name) {
  Ref<IHierStorageRoot> document = CreateStorage(root_name);
  document->WriteObject(&records);
  return document->SaveToText();
}

void HighScores(std::string_view input) {
  FuzzSettingsFolder().Put(product::HighScoresFileName,
                           StoredForm(input, product::FileKeyText(product::FileKey::HighScores)));
  auto scores = CreateObject<THighScores>(product::DefaultHighScoreTables());
  scores->LoadHighScores(&Engine(), false);
  auto result = CreateObject<TParamCollection>("\\Player=fuzz\\Score=2147483647\\Level=1\\Const=no");
  FuzzCheck(scores->SubmitRecord(result.get(), "0"));
  if (!scores->SaveHighScores(&Engine())) return;
  auto again = CreateObject<THighScores>(product::DefaultHighScoreTables());
  again->LoadHighScores(&Engine(), false);
  FuzzCheck(Saved(*again, "highscores") == Saved(*scores, "highscores"));
}

void LevelRecords(std::string_view input) {
  FuzzSettingsFolder().Put(product::LevelRecordsFileName,
                           StoredForm(input, product::FileKeyText(product::FileKey::LevelRecords)));
  auto records = CreateObject<TLevelRecords>(product::DefaultLevelRecordTables());
  records->LoadLevelRecords(&Engine());
  auto result = CreateObject<TParamCollection>("\\Score=7\\Time=95");
  FuzzCheck(records->SetLevelRecord(result.get(), "1", 3) != nullptr);
  if (!records->SaveLevelRecords(&Engine())) return;
  auto again = CreateObject<TLevelRecords>(product::DefaultLevelRecordTables());
  again->LoadLevelRecords(&Engine());
  FuzzCheck(Saved(*again, "highscores") == Saved(*records, "highscores"));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  FuzzSettingsFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kMaxInputSize) return 0;
  HighScores(AsText(data, size));
  LevelRecords(AsText(data, size));
  return 0;
}
