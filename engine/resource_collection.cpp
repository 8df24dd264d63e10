#include "engine/resource_collection.h"

namespace corvellane {
namespace {

bool BelongsTo(IResource& resource, std::string_view owner) {
  return owner.empty() || resource.GetOwnerName() == owner;
}

}  // namespace

void TResourceCollection::Init() {
  TTypedCreationPersistItemCollection::Init();
  SetStorageName("resources");
  SetItemElementName("resource");
}

template <class Action>
void TResourceCollection::ForEach(Action action) {
  for (int i = 0; i < Count(); ++i)
    if (Ref<IResource> resource = GetResource(i)) action(*resource);
}

void TResourceCollection::RemoveOwner(std::string_view owner) {
  for (int i = Count() - 1; i >= 0; --i) {
    Ref<IResource> resource = GetResource(i);
    if (resource && !BelongsTo(*resource, owner)) continue;
    RemoveAt(i);
  }
}

void TResourceCollection::RemoveAt(int position) {
  Ref<IResource> resource = GetResource(position);
  if (auto link = QueryInterface<IResourceOwnerLink>(resource)) link->ReleaseResourceOwner();
  if (auto persist = QueryInterface<IPersistObject>(resource)) persist->Cleanup();
  Items().DeleteAt(position);
}

void TResourceCollection::UnloadOwner(std::string_view owner) {
  ForEach([owner](IResource& resource) {
    if (BelongsTo(resource, owner)) resource.Unload();
  });
}

Ref<IResource> TResourceCollection::GetResource(const Variant& key) {
  return QueryInterface<IResource>(GetItem(key));
}

bool TResourceCollection::AddResource(Ref<IResource> resource) {
  return AddItem(Ref<IObject>(resource));
}

void TResourceCollection::AttachAll(IResourceOwner* owner) {
  ForEach([owner](IResource& resource) {
    if (auto* link = dynamic_cast<IResourceOwnerLink*>(&resource)) link->AttachResourceOwner(owner);
  });
}

void TResourceCollection::ReleaseAll() {
  ForEach([](IResource& resource) {
    if (auto* link = dynamic_cast<IResourceOwnerLink*>(&resource)) link->ReleaseResourceOwner();
  });
}

void TResourceCollection::LoadPending() {
  ForEach([](IResource& resource) {
    if (resource.IsLoadPending()) resource.Load();
  });
}

void TResourceCollection::UnloadAll() {
  ForEach([](IResource& resource) { resource.Unload(); });
}

}  // namespace corvellane
