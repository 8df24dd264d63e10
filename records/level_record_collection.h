// level_record_collection.h: the level records of one table, filed under
// their names (the level numbers), in the order they were added.
//
// Loading creates a TLevelRecord per "levelrecord" element; a level already
// present keeps its first record.
//
//   records->AppendRecord(record);
//   Ref<ILevelRecord> seventh = records->GetRecord(Variant("7"));
#pragma once

#include "persistence/collections.h"
#include "records/level_record.h"

namespace corvellane {

struct ILevelRecordCollection : virtual ICollection {
  // Key: position (integer) or name (text); none when absent.
  virtual Ref<ILevelRecord> GetRecord(const Variant& key) = 0;
  // False when the name is taken.
  virtual bool AppendRecord(Ref<ILevelRecord> record) = 0;
};

class TLevelRecordCollection : public TStaticCreationPersistItemCollection, public virtual ILevelRecordCollection {
 public:
  void Init() override;
  Ref<ILevelRecord> GetRecord(const Variant& key) override { return GetItemAs<ILevelRecord>(key); }
  bool AppendRecord(Ref<ILevelRecord> record) override { return AddItem(std::move(record)); }
};

}  // namespace corvellane
