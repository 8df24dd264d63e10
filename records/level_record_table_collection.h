// level_record_table_collection.h: the level-record tables, filed under
// their names.
//
// The tables are declared by the game's creation parameters, never by the
// file: loading reads each stored "levelrecordtable" into the declared table
// of that name and skips the others.
//
//   tables->AppendTable(table);
//   Ref<ILevelRecordTable> first = tables->GetTable(Variant("0"));
#pragma once

#include "persistence/collections.h"
#include "records/level_record_table.h"

namespace corvellane {

struct ILevelRecordTableCollection : virtual ICollection {
  virtual Ref<ILevelRecordTable> GetTable(const Variant& key) = 0;
  // False when the name is taken.
  virtual bool AppendTable(Ref<ILevelRecordTable> table) = 0;
};

class TLevelRecordTableCollection : public TPersistItemCollection, public virtual ILevelRecordTableCollection {
 public:
  void Init() override;
  Ref<ILevelRecordTable> GetTable(const Variant& key) override { return GetItemAs<ILevelRecordTable>(key); }
  bool AppendTable(Ref<ILevelRecordTable> table) override { return TPersistItemCollection::AddItem(std::move(table)); }

  // The declared table the element names (its "name"); none for others.
  Ref<IObject> CreateItem(IHierStorage* child) override;
  // Loading finds tables, it does not add them.
  bool AddItem(Ref<IObject> item) override { return false; }
  void Cleanup() override;
};

}  // namespace corvellane
