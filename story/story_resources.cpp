#include "story/story_resources.h"

namespace corvellane {

void RemoveListedResources(IResourceDefCollection& defs) {
  if (!defs.GetGroupName().empty()) {
    defs.RemoveGroupResources();
    return;
  }
  auto* owner = dynamic_cast<IResourceDefOwner*>(&defs);
  Ref<IResourceEngine> manager = owner ? owner->GetEngine() : nullptr;
  for (int i = 0; manager && i < defs.Count(); ++i)
    if (Ref<IResourceDef> def = defs.GetDef(Variant(i))) manager->DeleteResource(def->GetName());
}

}  // namespace corvellane
