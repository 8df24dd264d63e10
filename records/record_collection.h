// record_collection.h: the ordered records of one high-score table.
//
// Records are filed under their names (letter case ignored); a record whose
// name is already present is not added. The table keeps the order (highest
// score first) and moves records around itself.
//
//   Ref<TRecordCollection> records = CreateObject<TRecordCollection>();
//   records->AppendRecord(record);          // false: the name is taken
//   records->MoveRecord(record.get(), 0);   // to the top
#pragma once

#include "persistence/collections.h"
#include "records/record.h"

namespace corvellane {

struct IRecordCollection : virtual ICollection {
  // Key: position (integer) or name (text); none when absent.
  virtual Ref<IRecord> GetRecord(const Variant& key) = 0;
  // Files the record at the end; false when its name is taken.
  virtual bool AppendRecord(Ref<IRecord> record) = 0;
  // Moves the record of that name to the position (0 .. Count() - 1).
  virtual void MoveRecord(IRecord* record, int position) = 0;
};

class TRecordCollection : public TCollection<IRecord>, public virtual IRecordCollection {
 public:
  Ref<IRecord> GetRecord(const Variant& key) override { return GetItem(key); }
  bool AppendRecord(Ref<IRecord> record) override;
  void MoveRecord(IRecord* record, int position) override;
};

}  // namespace corvellane
