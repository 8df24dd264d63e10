// level_record_table.h: the level records of one play mode.
//
// A table holds one record per level, named by the level number. Getting a
// level's record for writing creates it when the level has none yet.
//
//   auto table = CreateObject<TLevelRecordTable>("name=0");
//   Ref<ILevelRecord> record = table->SetLevelRecord(7, nullptr);   // found or new
//   table->GetLevelRecord(8);                                      // none
#pragma once

#include <cstdint>

#include "persistence/object.h"
#include "persistence/params.h"
#include "records/level_record_collection.h"

namespace corvellane {

struct ILevelRecordTable : virtual INamedObject {
  virtual Ref<ILevelRecordCollection> GetRecords() = 0;
  // The record of the level; none when there is none.
  virtual Ref<ILevelRecord> GetLevelRecord(int32_t level) = 0;
  // The record of the level (created when missing), with every given
  // parameter that has a name copied in (existing values replaced).
  virtual Ref<ILevelRecord> SetLevelRecord(int32_t level, IParamCollection* params) = 0;
};

class TLevelRecordTable : public TPersistObject, public virtual ILevelRecordTable {
 public:
  void Init() override;

  Ref<ILevelRecordCollection> GetRecords() override { return records_; }
  Ref<ILevelRecord> GetLevelRecord(int32_t level) override;
  Ref<ILevelRecord> SetLevelRecord(int32_t level, IParamCollection* params) override;

  // The records of the first "levelrecords" child; SaveProperties writes
  // the name too.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  void Cleanup() override { records_->ClearItems(); }

 private:
  Ref<TLevelRecordCollection> records_;
};

}  // namespace corvellane
