#include "records/level_record_table.h"

#include "persistence/number_text.h"
#include "persistence/object_io.h"

namespace corvellane {

void TLevelRecordTable::Init() {
  TPersistObject::Init();
  SetStorageName("levelrecordtable");
  SetTypeName({});
  records_ = CreateObject<TLevelRecordCollection>();
}

Ref<ILevelRecord> TLevelRecordTable::GetLevelRecord(int32_t level) {
  return records_->GetRecord(Variant(FormatInt(level)));
}

Ref<ILevelRecord> TLevelRecordTable::SetLevelRecord(int32_t level, IParamCollection* params) {
  Ref<ILevelRecord> record = GetLevelRecord(level);
  if (!record) {
    record = CreateObject<TLevelRecord>();
    record->SetName(FormatInt(level));
    records_->AppendRecord(record);
  }
  for (int i = 0; params && i < params->Count(); ++i) {
    Ref<IParam> given = params->GetParam(Variant(i));
    if (given && !given->GetName().empty()) record->GetParams()->SetNamedValue(given->GetName(), given->GetParamValue());
  }
  return record;
}

// The table keeps the name it was declared under (and is filed under): a
// stored name differing only in letter case must not rename it.
void TLevelRecordTable::LoadProperties(IHierStorage* node) {
  LoadChild(records_.get(), node, "levelrecords");
}

void TLevelRecordTable::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  SaveChild(records_.get(), node, "levelrecords");
}

}  // namespace corvellane
