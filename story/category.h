// category.h: TCorvellaneCategory and TCorvellaneCategoryCollection, the
// object categories of "data\ini\categories.ini".
//
//   <categories>
//     <category name="flowers" caption="%category_flowers%" description="...">
//       <resource_defs>...</resource_defs>
//       <object_defs>...</object_defs>
//     </category>
//   </categories>
//
// "name", "caption" and "description" are always written, each child only
// when it holds something. A category list in a person or a scene is text
// such as ";flowers;books;" (object_list.h splits it).
//
//   Ref<TCorvellaneCategoryCollection> categories = LoadCategories();  // none, logged
//   categories->AttachCategoryResources(engine);
#pragma once

#include <string>
#include <string_view>

#include "engine/resource_definition.h"
#include "persistence/object.h"
#include "story/category_interface.h"
#include "story/scene_object_def.h"
#include "story/story_collection.h"
#include "story/story_file.h"

namespace corvellane {

class TCorvellaneCategory : public TPropertyObject, public virtual ICategory {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  void Cleanup() override;
  // "resource_defs" and "object_defs", after the table.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void AttachCategoryResources(IResourceEngine* manager) override;
  void DetachCategoryResources() override;
  Ref<IResourceDefCollection> GetResourceDefs() override { return resource_defs_; }
  Ref<ISceneObjectDefCollection> GetObjectDefs() override { return object_defs_; }
  std::string GetCaption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = std::string(caption); }
  std::string GetDescription() const override { return description_; }
  void SetDescription(std::string_view description) override { description_ = std::string(description); }

 private:
  std::string caption_;
  std::string description_;
  Ref<TResourceDefCollection> resource_defs_;
  Ref<TSceneObjectDefCollection> object_defs_;
};

class TCorvellaneCategoryCollection
    : public TStoryCollection<TCorvellaneCategory, ICategory, ICategoryCollection> {
 public:
  TCorvellaneCategoryCollection() : TStoryCollection("categories", "category") {}
  void AttachCategoryResources(IResourceEngine* manager) override;
  void DetachCategoryResources() override;
  std::string SaveCategoriesText() override;
};

// The categories of the file; none, logged, when it cannot be read.
Ref<TCorvellaneCategoryCollection> LoadCategories(std::string_view path = kCategoriesFile);

}  // namespace corvellane
