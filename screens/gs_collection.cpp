#include "screens/gs_collection.h"

namespace corvellane {

void TGSCollection::Init() {
  TTypedCreationPersistItemCollection::Init();
  SetStorageName("gamescreens");
  SetItemElementName("gamescreen");
}

Ref<IGameScreenSlave> TGSCollection::GetScreen(const Variant& key) { return GetItemAs<IGameScreenSlave>(key); }

bool TGSCollection::AddScreen(Ref<IGameScreenSlave> screen) { return AddItem(Ref<IObject>(screen)); }

}  // namespace corvellane
