#include "persistence/collections.h"

#include <exception>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane {

std::string ItemName(IObject* item) {
  auto* named = dynamic_cast<INamedObject*>(item);
  return named ? named->GetName() : std::string();
}

// ---- TPersistCollection ----

void TPersistCollection::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  if (!node) return;
  int count = node->GetChildCount(item_element_name_);
  for (int i = 0; i < count; ++i) {
    Ref<IHierStorage> child = node->GetChild(item_element_name_, i);
    if (!child) continue;
    // One malformed item must not cost the items after it.
    try {
      LoadItem(child.get());
    } catch (const std::exception& error) {
      LogDataWarning(child.get(), std::string("could not be loaded (") + error.what() + "); skipped");
    }
  }
}

void TPersistCollection::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  if (!node) return;
  for (int i = 0; i < items_.Count(); ++i) {
    Ref<IObject> item = *items_.GetAt(i);
    Ref<IHierStorage> child = node->AddChild(item_element_name_);
    if (!SaveItem(item.get(), child.get())) node->RemoveChild(child.get());
  }
}

Ref<IObject> TPersistCollection::GetItem(const Variant& key) {
  Ref<IObject>* item = items_.GetByKey(key);
  return item ? *item : nullptr;
}

// ---- TPersistItemCollection ----

void TPersistItemCollection::LoadItem(IHierStorage* child) {
  Ref<IObject> item = CreateItem(child);
  if (!item) return;
  LoadObject(item.get(), child);
  const std::string name = ItemName(item.get());
  // A collection of declared items (the record tables) hands back the item
  // it already holds: it was filled in place, there is nothing to add.
  if (!name.empty() && GetItem(Variant(name)) == item) return;
  if (!AddItem(std::move(item)) && !name.empty())
    LogDataWarning(child, "a second item named \"" + name + "\"; the first one is kept");
}

bool TPersistItemCollection::SaveItem(IObject* item, IHierStorage* child) {
  auto* persistable = dynamic_cast<IPersistable*>(item);
  if (!persistable) return false;
  if (auto* persist_object = dynamic_cast<IPersistObject*>(item); persist_object && !persist_object->IsStored())
    return false;
  persistable->SaveTo(child);
  return true;
}

bool TPersistItemCollection::AddItem(Ref<IObject> item) {
  if (!item) return false;
  std::string name = ItemName(item.get());
  return Items().Add(name, std::move(item));
}

// ---- creation by class and by type ----

Ref<IObject> TStaticCreationPersistItemCollection::CreateItem(IHierStorage* child) {
  if (!item_class_) return nullptr;
  Ref<TAbstractObject> item = item_class_();
  InitObject(*item, {});
  return item;
}

Ref<IObject> TTypedCreationPersistItemCollection::CreateItem(IHierStorage* child) {
  return CreateFromNodeType(child);
}

}  // namespace corvellane
