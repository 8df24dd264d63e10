// scene_def.h: TSceneDef, one scene of the story: its objects, their places
// and the resources they are drawn from.
//
//   <scene_def name="cafe" categories=";sweets;teatime;" identical_part_shift="256"
//              scene_show_factories="" identical_show_factories="">
//     <resource_defs resourcegroup="scene_cafe">...</resource_defs>
//     <widgetfactories>...</widgetfactories>
//     <object_defs>...</object_defs>
//   </scene_def>
//
// The four keys are always written; each child only when it holds something.
// A definition is opened fresh for each use (scene_def_ref.h), given an owner
// whose resource manager its resources attach to, and let go with ClearOwner:
//
//   def->SetOwner(level);          // definitions attached to the manager
//   def->LoadSceneResources();     // the manager creates them under the group
//   ...
//   def->ClearOwner();             // every resource of the scene removed
#pragma once

#include <string>
#include <string_view>

#include "engine/resource_definition.h"
#include "persistence/object.h"
#include "story/scene_def_interface.h"
#include "story/scene_object_def.h"
#include "widgets/widget_factory_collection.h"

namespace corvellane {

class TSceneDef : public TPropertyObject, public virtual ISceneDef {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  // Detaches from the owner and drops the collections' items.
  void Cleanup() override;
  // The three children, after the table: each from the first child of its
  // name, when there is one.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void SetOwner(ISceneDefOwner* owner) override;
  void ClearOwner() override;
  void LoadSceneResources() override { resource_defs_->LoadAllResources(); }
  // The resources of the scene's group; without a group, those of its
  // definitions (an empty group would stand for every resource).
  void UnloadSceneResources() override;
  std::string SaveSceneDefText() override;
  std::string GetCategories() const override { return categories_; }
  void SetCategories(std::string_view categories) override { categories_ = std::string(categories); }
  int32_t GetIdenticalPartShift() const override { return identical_part_shift_; }
  void SetIdenticalPartShift(int32_t shift) override { identical_part_shift_ = shift; }
  std::string GetSceneShowFactories() const override { return scene_show_factories_; }
  void SetSceneShowFactories(std::string_view names) override { scene_show_factories_ = std::string(names); }
  std::string GetIdenticalShowFactories() const override { return identical_show_factories_; }
  void SetIdenticalShowFactories(std::string_view names) override { identical_show_factories_ = std::string(names); }
  Ref<IWidget> CreateSceneWidget(std::string_view factory_name, IParamCollection* params) override;
  Ref<IResourceDefCollection> GetResourceDefs() override { return resource_defs_; }
  Ref<ISceneObjectDefCollection> GetObjectDefs() override { return object_defs_; }
  bool IsLoadedFromFile() const override { return loaded_from_file_; }
  void SetLoadedFromFile(bool loaded) { loaded_from_file_ = loaded; }

 private:
  std::string categories_;
  int32_t identical_part_shift_ = 256;
  std::string scene_show_factories_;
  std::string identical_show_factories_;
  Ref<TResourceDefCollection> resource_defs_;
  Ref<TWidgetFactoryCollection> widget_factories_;
  Ref<TSceneObjectDefCollection> object_defs_;
  ISceneDefOwner* owner_ = nullptr;
  bool loaded_from_file_ = false;
};

}  // namespace corvellane
