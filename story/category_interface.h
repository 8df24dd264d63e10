// category_interface.h: the themes of the hidden objects, which are also the
// things the people of the story like (category.h has the file form).
//
//   Ref<ICategory> flowers = categories->Get(Variant("flowers"));
//   std::string shown = Localize(flowers->GetCaption());
#pragma once

#include <string>
#include <string_view>

#include "engine/resource_definition.h"
#include "engine/resource_engine_interface.h"
#include "persistence/object.h"
#include "story/scene_def_interface.h"
#include "story/story_collection.h"

namespace corvellane {

struct ICategory : virtual INamedObject {
  // The category's resource definitions register with the manager (nothing
  // without one); detaching frees each of them again.
  virtual void AttachCategoryResources(IResourceEngine* manager) = 0;
  virtual void DetachCategoryResources() = 0;
  virtual Ref<IResourceDefCollection> GetResourceDefs() = 0;
  virtual Ref<ISceneObjectDefCollection> GetObjectDefs() = 0;
  virtual std::string GetCaption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string GetDescription() const = 0;
  virtual void SetDescription(std::string_view description) = 0;
};

struct ICategoryCollection : virtual IStoryCollection<ICategory> {
  virtual void AttachCategoryResources(IResourceEngine* manager) = 0;
  virtual void DetachCategoryResources() = 0;
  // The collection as the text of a "categories" document.
  virtual std::string SaveCategoriesText() = 0;
};

}  // namespace corvellane
