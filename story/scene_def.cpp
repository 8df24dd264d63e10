#include "story/scene_def.h"

#include "persistence/object_io.h"
#include "persistence/property_table.h"
#include "story/story_file.h"
#include "story/story_resources.h"

namespace corvellane {

namespace {

constexpr std::string_view kRootName = "scene_def";

}  // namespace

const TPropertyTable& TSceneDef::Properties() {
  using S = TSceneDef;
  using Table = TPropertyTableOf<S>;
  static const TPropertyTable table = Table(TPropertyObject::Properties())
                                          .Text("categories", &S::categories_, &S::categories_, "", Table::Always())
                                          .Int("identical_part_shift", &S::identical_part_shift_, 256, Table::Always())
                                          .Text("scene_show_factories", &S::scene_show_factories_, &S::scene_show_factories_, "", Table::Always())
                                          .Text("identical_show_factories", &S::identical_show_factories_, &S::identical_show_factories_, "",
                                                Table::Always());
  return table;
}

void TSceneDef::Init() {
  TPropertyObject::Init();
  SetStorageName(kRootName);
  SetTypeName({});
  resource_defs_ = MakeRef<TResourceDefCollection>();
  widget_factories_ = CreateObject<TWidgetFactoryCollection>();
  object_defs_ = CreateObject<TSceneObjectDefCollection>();
}

void TSceneDef::Cleanup() {
  ClearOwner();
  resource_defs_->Cleanup();
  widget_factories_->Cleanup();
  object_defs_->Cleanup();
}

void TSceneDef::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  LoadStoryChild(*resource_defs_, node);
  LoadStoryChild(*widget_factories_, node);
  LoadStoryChild(*object_defs_, node);
}

void TSceneDef::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  SaveStoryChild(*resource_defs_, node);
  SaveStoryChild(*widget_factories_, node);
  SaveStoryChild(*object_defs_, node);
}

void TSceneDef::SetOwner(ISceneDefOwner* owner) {
  ClearOwner();
  owner_ = owner;
  if (IResourceEngine* manager = owner ? owner->GetSceneResourceManager() : nullptr)
    resource_defs_->AttachEngine(manager);
}

void TSceneDef::ClearOwner() {
  if (!owner_) return;
  UnloadSceneResources();
  resource_defs_->DetachEngine();
  owner_ = nullptr;
}

void TSceneDef::UnloadSceneResources() { RemoveListedResources(*resource_defs_); }

std::string TSceneDef::SaveSceneDefText() {
  return StoryDocumentText(this, kRootName);
}

Ref<IWidget> TSceneDef::CreateSceneWidget(std::string_view factory_name, IParamCollection* params) {
  return widget_factories_->CreateWidget(factory_name, params);
}

}  // namespace corvellane
