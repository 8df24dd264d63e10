#include "story/scene_def_ref.h"

#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "story/scene_def.h"

namespace corvellane {

const TPropertyTable& TSceneDefRef::Properties() {
  using R = TSceneDefRef;
  static const TPropertyTable table =
      TPropertyTableOf<R>(TPropertyObject::Properties()).Text("filename", &R::file_name_);
  return table;
}

void TSceneDefRef::Init() {
  TPropertyObject::Init();
  SetStorageName("scene_def");
  SetTypeName({});
}

Ref<ISceneDef> TSceneDefRef::OpenSceneDef() {
  Ref<TSceneDef> def = CreateObject<TSceneDef>();
  if (Ref<IHierStorageRoot> root = OpenStoryFile(file_name_, "the scene definition of \"" + GetName() + "\",")) {
    def->LoadFrom(root.get());
    def->SetLoadedFromFile(true);
  }
  def->SetName(GetName());
  return def;
}

std::string TSceneDefRefCollection::SaveSceneDefRefsText() {
  return StoryDocumentText(this, GetStorageName());
}

Ref<TSceneDefRefCollection> LoadSceneDefRefs(std::string_view path) {
  Ref<IHierStorageRoot> root = OpenStoryFile(path, "the scene list");
  if (!root) return nullptr;
  Ref<TSceneDefRefCollection> refs = CreateObject<TSceneDefRefCollection>();
  refs->LoadFrom(root.get());
  return refs;
}

}  // namespace corvellane
