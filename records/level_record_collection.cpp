#include "records/level_record_collection.h"

namespace corvellane {

void TLevelRecordCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("levelrecords");
  SetItemElementName("levelrecord");
  SetTypeName({});
  SetItemClass<TLevelRecord>();
}

}  // namespace corvellane
