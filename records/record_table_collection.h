// record_table_collection.h: the high-score tables, filed under their names.
//
// Names are compared without regard to letter case; a table whose name is
// already present is not added.
//
//   tables->AppendTable(table);
//   Ref<IRecordTable> first = tables->GetTable(Variant("0"));   // by name
//   Ref<IRecordTable> same = tables->GetTable(Variant(0));      // by position
#pragma once

#include "persistence/collections.h"
#include "records/record_table.h"

namespace corvellane {

struct IRecordTableCollection : virtual ICollection {
  virtual Ref<IRecordTable> GetTable(const Variant& key) = 0;
  // False when the name is taken.
  virtual bool AppendTable(Ref<IRecordTable> table) = 0;
};

class TRecordTableCollection : public TCollection<IRecordTable>, public virtual IRecordTableCollection {
 public:
  Ref<IRecordTable> GetTable(const Variant& key) override { return GetItem(key); }
  bool AppendTable(Ref<IRecordTable> table) override {
    if (!table) return false;
    std::string name = table->GetName();
    return AddItem(name, std::move(table));
  }
};

}  // namespace corvellane
