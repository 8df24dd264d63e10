#include "records/record_collection.h"

namespace corvellane {

bool TRecordCollection::AppendRecord(Ref<IRecord> record) {
  if (!record) return false;
  std::string name = record->GetName();
  return AddItem(name, std::move(record));
}

void TRecordCollection::MoveRecord(IRecord* record, int position) {
  if (!record || position < 0 || position >= Count()) return;
  int from = IndexOf(record->GetName());
  if (from >= 0 && from != position) Items().Move(from, position);
}

}  // namespace corvellane
