#include "story/category.h"

#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "story/story_resources.h"

namespace corvellane {

const TPropertyTable& TCorvellaneCategory::Properties() {
  using C = TCorvellaneCategory;
  using Table = TPropertyTableOf<C>;
  static const TPropertyTable table = Table(TPropertyObject::Properties())
                                          .Text("caption", &C::caption_, &C::caption_, "", Table::Always())
                                          .Text("description", &C::description_, &C::description_, "", Table::Always());
  return table;
}

void TCorvellaneCategory::Init() {
  TPropertyObject::Init();
  SetStorageName("category");
  SetTypeName({});
  resource_defs_ = MakeRef<TResourceDefCollection>();
  object_defs_ = CreateObject<TSceneObjectDefCollection>();
}

void TCorvellaneCategory::Cleanup() {
  DetachCategoryResources();
  resource_defs_->Cleanup();
  object_defs_->Cleanup();
}

void TCorvellaneCategory::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  LoadStoryChild(*resource_defs_, node);
  LoadStoryChild(*object_defs_, node);
}

void TCorvellaneCategory::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  SaveStoryChild(*resource_defs_, node);
  SaveStoryChild(*object_defs_, node);
}

void TCorvellaneCategory::AttachCategoryResources(IResourceEngine* manager) {
  if (!manager) return;
  resource_defs_->AttachEngine(manager);
  resource_defs_->LoadAllResources();
}

void TCorvellaneCategory::DetachCategoryResources() {
  RemoveListedResources(*resource_defs_);
  resource_defs_->DetachEngine();
}

void TCorvellaneCategoryCollection::AttachCategoryResources(IResourceEngine* manager) {
  for (int i = 0; i < Count(); ++i) Get(Variant(i))->AttachCategoryResources(manager);
}

void TCorvellaneCategoryCollection::DetachCategoryResources() {
  for (int i = 0; i < Count(); ++i) Get(Variant(i))->DetachCategoryResources();
}

std::string TCorvellaneCategoryCollection::SaveCategoriesText() { return StoryDocumentText(this, GetStorageName()); }

Ref<TCorvellaneCategoryCollection> LoadCategories(std::string_view path) {
  Ref<IHierStorageRoot> root = OpenStoryFile(path, "the category list");
  if (!root) return nullptr;
  Ref<TCorvellaneCategoryCollection> categories = CreateObject<TCorvellaneCategoryCollection>();
  categories->LoadFrom(root.get());
  return categories;
}

}  // namespace corvellane
