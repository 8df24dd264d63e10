#include "records/level_record_table_collection.h"

#include "persistence/value_access.h"

namespace corvellane {

void TLevelRecordTableCollection::Init() {
  TPersistItemCollection::Init();
  SetStorageName("levelrecordtables");
  SetItemElementName("levelrecordtable");
  SetTypeName({});
}

Ref<IObject> TLevelRecordTableCollection::CreateItem(IHierStorage* child) {
  return GetItem(Variant(ReadText(child, "name")));
}

void TLevelRecordTableCollection::Cleanup() {
  for (int i = 0; i < Count(); ++i)
    if (auto table = GetItemAs<IPersistObject>(Variant(i))) table->Cleanup();
  TPersistItemCollection::Cleanup();
}

}  // namespace corvellane
