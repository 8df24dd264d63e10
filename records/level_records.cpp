#include "records/level_records.h"

#include <exception>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "records/record_file.h"

namespace corvellane {

namespace {

// The level-record file shares the high-score file's root element name.
constexpr std::string_view kRootName = "highscores";

}  // namespace

void TLevelRecords::Init() {
  TPersistObject::Init();
  SetTypeName({});
  tables_ = CreateObject<TLevelRecordTableCollection>();
}

void TLevelRecords::SetParam(std::string_view key, std::string_view value) {
  if (key == "level_record_table")
    tables_->AppendTable(CreateObject<TLevelRecordTable>(value));
  else if (!file_.SetParam(key, value))
    TPersistObject::SetParam(key, value);
}

Ref<ILevelRecord> TLevelRecords::SetLevelRecord(IParamCollection* params, std::string_view table, int32_t level) {
  Ref<ILevelRecordTable> found = tables_->GetTable(Variant(table));
  return found ? found->SetLevelRecord(level, params) : nullptr;
}

void TLevelRecords::LoadLevelRecords(IEngine* engine) {
  if (!engine) return;
  Ref<IHierStorageRoot> root = ReadRecordFile(*engine, file_, false);
  if (!root) return;
  // What was read before a fault stays.
  try {
    LoadProperties(root.get());
  } catch (...) {
    LogCaughtException(file_.file_name + " was read only in part");
  }
}

bool TLevelRecords::SaveLevelRecords(IEngine* engine) {
  return engine && WriteRecordFile(*engine, file_, *this, kRootName);
}

void TLevelRecords::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  LoadChild(tables_.get(), node, "levelrecordtables");
}

void TLevelRecords::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  SaveChild(tables_.get(), node, "levelrecordtables");
}

}  // namespace corvellane
