#include "records/record_table.h"

#include <algorithm>

#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "records/record_value.h"

namespace corvellane {

namespace {

constexpr int kMaxRecordsWhenNotANumber = 10;

int32_t ScoreAt(IRecordCollection& records, int position) {
  Ref<IRecord> record = records.GetRecord(Variant(position));
  return record ? record->GetScore() : -1;
}

bool IsFixed(IRecord& record) { return ParamText(record.GetParams().get(), "Const", "no") == "yes"; }

}  // namespace

void TRecordTable::Init() {
  TPersistObject::Init();
  SetStorageName("recordtable");
  SetTypeName({});
  records_ = CreateObject<TRecordCollection>();
}

void TRecordTable::SetParam(std::string_view key, std::string_view value) {
  if (key == "record_structure")
    record_structure_ = std::string(value);
  else if (key == "max_records")
    max_records_ = std::max(0, ParseInt(value).value_or(kMaxRecordsWhenNotANumber));
  else
    TPersistObject::SetParam(key, value);
}

bool TRecordTable::CanEnter(int32_t score) {
  if (score <= 0) return false;
  const int count = records_->Count();
  if (count < max_records_) return true;
  Ref<IRecord> last = records_->GetRecord(Variant(count - 1));
  Ref<IParam> last_score = last ? last->GetParams()->GetParam(Variant("Score")) : nullptr;
  if (!last_score) return false;
  return IntegerValue(last_score->GetParamValue()).value_or(0) < score;
}

Ref<IRecord> TRecordTable::CreateRecord() const {
  Ref<TRecord> record = CreateObject<TRecord>(record_structure_);
  // Loaded records keep their stored names, which the run's counter may
  // reach; a new record must not lose out to one of them.
  while (records_->Contains(record->GetName())) record->SetName(TRecord::TakeAutomaticName());
  return record;
}

Ref<IRecord> TRecordTable::AddRecord(IParamCollection* params) {
  const int32_t score = ParamInteger(params, "Score").value_or(-1);
  if (score <= 0 || !CanEnter(score)) return nullptr;
  Ref<IRecord> record = CreateRecord();
  Ref<IParamCollection> fields = record->GetParams();
  for (int i = 0; i < fields->Count(); ++i) {
    Ref<IParam> field = fields->GetParam(Variant(i));
    if (Ref<IParam> given = params->GetParam(Variant(field->GetName()))) field->SetParamValue(given->GetParamValue());
  }
  FileRecord(record);
  return records_->Contains(record->GetName()) ? record : nullptr;
}

Ref<IRecord> TRecordTable::AddPlayerRecord(IParamCollection* params) {
  if (FindPlayerRecord(ParamText(params, "Player", ""))) return nullptr;
  return AddRecord(params);
}

bool TRecordTable::SubmitRecord(IParamCollection* params) {
  // A score that is no number enters nothing (a missing one counts as 0).
  std::optional<int32_t> score =
      params && params->GetParam(Variant("Score")) ? ParamInteger(params, "Score") : std::optional<int32_t>(0);
  if (!score || !CanEnter(*score)) return false;
  Ref<IRecord> own = FindPlayerRecord(ParamText(params, "Player", ""));
  if (!own) return AddRecord(params) != nullptr;
  if (*score <= own->GetScore()) return false;
  Ref<IParamCollection> fields = own->GetParams();
  for (int i = 0; i < fields->Count(); ++i) {
    Ref<IParam> field = fields->GetParam(Variant(i));
    if (Ref<IParam> given = params->GetParam(Variant(field->GetName()))) field->SetParamValue(given->GetParamValue());
  }
  Sort();
  last_index_ = records_->IndexOf(own->GetName());
  return true;
}

void TRecordTable::ClearRecords() {
  last_index_ = -1;
  records_->ClearItems();
}

Ref<IRecord> TRecordTable::FindPlayerRecord(std::string_view player) {
  for (int i = 0; i < records_->Count(); ++i) {
    Ref<IRecord> record = records_->GetRecord(Variant(i));
    if (record && !IsFixed(*record) && ParamText(record->GetParams().get(), "Player", "") == player) return record;
  }
  return nullptr;
}

void TRecordTable::FileRecord(const Ref<IRecord>& record) {
  records_->AppendRecord(record);
  Sort();
  last_index_ = records_->IndexOf(record->GetName());
  while (records_->Count() > max_records_) records_->DeleteItem(Variant(records_->Count() - 1));
}

bool TRecordTable::Sort() {
  const int count = records_->Count();
  bool in_order = true;
  for (int i = 0; i + 1 < count && in_order; ++i) in_order = ScoreAt(*records_, i) >= ScoreAt(*records_, i + 1);
  if (in_order) return false;
  // Each pass takes the highest of the unsorted front part (the first record
  // on a tie with it, else the last of the tied) to the end; the passes
  // leave the table highest first, and a record appended to a sorted table
  // below every record of its score.
  for (int k = count - 1; k >= 0; --k) {
    int candidate = 0;
    for (int j = k; j >= 1; --j)
      if (ScoreAt(*records_, candidate) < ScoreAt(*records_, j)) candidate = j;
    records_->MoveRecord(records_->GetRecord(Variant(candidate)).get(), count - 1);
  }
  return true;
}

void TRecordTable::LoadRecords(IHierStorage* node) {
  if (!node || node->GetChildCount("records") == 0) return;
  Ref<IHierStorage> stored = node->GetChild("records", 0);
  for (int i = 0; stored && i < stored->GetChildCount("record"); ++i) {
    Ref<IRecord> record = CreateObject<TRecord>(record_structure_);
    if (!LoadChild(record.get(), stored.get(), "record", i)) continue;
    FileRecord(record);
  }
  last_index_ = -1;
}

void TRecordTable::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  if (!node) return;
  Ref<IHierStorage> stored = node->AddChild("records");
  for (int i = 0; i < records_->Count(); ++i) SaveChild(records_->GetRecord(Variant(i)).get(), stored.get(), "record");
}

}  // namespace corvellane
