#include "records/high_scores.h"

#include <exception>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "records/record_file.h"

namespace corvellane {

namespace {

constexpr std::string_view kRootName = "highscores";

}  // namespace

void THighScores::Init() {
  TPersistObject::Init();
  SetStorageName(kRootName);
  SetTypeName({});
  tables_ = CreateObject<TRecordTableCollection>();
}

void THighScores::SetParam(std::string_view key, std::string_view value) {
  if (key == "record_table")
    tables_->AppendTable(CreateObject<TRecordTable>(value));
  else if (!file_.SetParam(key, value))
    TPersistObject::SetParam(key, value);
}

void THighScores::Cleanup() { tables_->ClearItems(); }

Ref<IRecordTable> THighScores::Table(std::string_view name) { return tables_->GetTable(Variant(name)); }

template <class F>
void THighScores::ForEachTable(F&& visit) {
  for (int i = 0; i < tables_->Count(); ++i)
    if (Ref<IRecordTable> table = tables_->GetTable(Variant(i))) visit(*table);
}

bool THighScores::CanEnter(int32_t score, std::string_view table) {
  Ref<IRecordTable> found = Table(table);
  return found && found->CanEnter(score);
}

Ref<IRecord> THighScores::AddRecord(IParamCollection* params, std::string_view table) {
  Ref<IRecordTable> found = Table(table);
  return found ? found->AddRecord(params) : nullptr;
}

Ref<IRecord> THighScores::AddPlayerRecord(IParamCollection* params, std::string_view table) {
  Ref<IRecordTable> found = Table(table);
  return found ? found->AddPlayerRecord(params) : nullptr;
}

bool THighScores::SubmitRecord(IParamCollection* params, std::string_view table) {
  Ref<IRecordTable> found = Table(table);
  return found && found->SubmitRecord(params);
}

void THighScores::ClearAll() {
  ForEachTable([](IRecordTable& table) { table.ClearRecords(); });
}

void THighScores::ResetLastIndexes() {
  ForEachTable([](IRecordTable& table) { table.ResetLastIndex(); });
}

void THighScores::LoadHighScores(IEngine* engine, bool from_program_folder) {
  if (!engine) return;
  Ref<IHierStorageRoot> root = ReadRecordFile(*engine, file_, from_program_folder);
  if (!root) return;
  // What was read before a fault stays.
  try {
    LoadProperties(root.get());
  } catch (...) {
    LogCaughtException(file_.file_name + " was read only in part");
  }
}

bool THighScores::SaveHighScores(IEngine* engine) {
  return engine && WriteRecordFile(*engine, file_, *this, kRootName);
}

void THighScores::LoadProperties(IHierStorage* node) {
  if (!node || node->GetChildCount("recordtables") == 0) return;
  Ref<IHierStorage> stored = node->GetChild("recordtables", 0);
  for (int i = 0; stored && i < stored->GetChildCount("recordtable"); ++i) {
    Ref<IHierStorage> child = stored->GetChild("recordtable", i);
    auto* table = dynamic_cast<TRecordTable*>(Table(ReadText(child.get(), "name")).get());
    if (table) table->LoadRecords(child.get());
  }
}

void THighScores::SaveProperties(IHierStorage* node) {
  if (!node) return;
  Ref<IHierStorage> stored = node->AddChild("recordtables");
  for (int i = 0; i < tables_->Count(); ++i) SaveChild(tables_->GetTable(Variant(i)).get(), stored.get(), "recordtable");
}

}  // namespace corvellane
