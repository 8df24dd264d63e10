// scene_def_ref.h: TSceneDefRef and TSceneDefRefCollection, the list of every
// scene of the story ("data\ini\scenes.ini").
//
//   <scene_defs>
//     <scene_def name="cafe" filename="data\ini\scenes\cafe.ini"/>
//   </scene_defs>
//
// The story data names scenes by the reference's name; the name inside the
// scene file does not count. OpenSceneDef reads the file afresh on every call
// (nothing is cached); a missing or unreadable file is logged and gives an
// empty definition bearing the reference's name, which IsLoadedFromFile
// tells apart.
//
//   Ref<TSceneDefRefCollection> refs = LoadSceneDefRefs();   // or none, logged
//   Ref<ISceneDef> cafe = refs->Get(Variant("cafe"))->OpenSceneDef();
#pragma once

#include <string>
#include <string_view>

#include "persistence/object.h"
#include "story/scene_def_interface.h"
#include "story/story_collection.h"
#include "story/story_file.h"

namespace corvellane {

class TSceneDefRef : public TPropertyObject, public virtual ISceneDefRef {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;

  std::string GetFileName() const override { return file_name_; }
  void SetFileName(std::string_view file_name) override { file_name_ = std::string(file_name); }
  Ref<ISceneDef> OpenSceneDef() override;

 private:
  std::string file_name_;
};

class TSceneDefRefCollection : public TStoryCollection<TSceneDefRef, ISceneDefRef, ISceneDefRefCollection> {
 public:
  TSceneDefRefCollection() : TStoryCollection("scene_defs", "scene_def") {}
  std::string SaveSceneDefRefsText() override;
};

// The list of the file (normally kSceneDefRefsFile); none, logged, when the
// file cannot be read.
Ref<TSceneDefRefCollection> LoadSceneDefRefs(std::string_view path = kSceneDefRefsFile);

}  // namespace corvellane
