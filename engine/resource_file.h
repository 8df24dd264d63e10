// resource_file.h: the resource definition files the game loads at start.
//
// The game definition lists its resource files; each names a definition file
// and says when to load it: "synch" files before the first screen shows,
// "asynch" files (the default) behind the loading screen, with frames running
// between definitions so the screen keeps animating. The resources of a file
// are owned by the file's name, so they can be unloaded by it.
//
//   <resourcefiles>
//     <resourcefile name="menu" filename="data\ini\menu_res.ini" loadmode="synch"/>
//     <resourcefile name="story" filename="data\ini\story_res.ini"/>
//   </resourcefiles>
//
//   LoadResourceFiles(*files, *engine, ResourceLoadMode::kSynch);
#pragma once

#include <string>
#include <string_view>

#include "engine/resource_engine_interface.h"
#include "persistence/collections.h"
#include "persistence/object.h"

namespace corvellane {

enum class ResourceLoadMode { kSynch = 0, kAsynch = 1 };

struct IResourceFile : virtual INamedObject {
  virtual std::string GetFileName() const = 0;
  virtual void SetFileName(std::string_view file) = 0;
  virtual ResourceLoadMode GetLoadMode() const = 0;
  virtual void SetLoadMode(ResourceLoadMode mode) = 0;
};

struct IResourceFileCollection : virtual ICollection {
  // Key: position (integer) or name (text).
  virtual Ref<IResourceFile> GetFile(const Variant& key) = 0;
  // False when a file of that name is present already.
  virtual bool AddFile(Ref<IResourceFile> file) = 0;
};

// Type name "ResourceFile"; element "resourcefile" with "filename" and
// "loadmode" ("synch" / "asynch").
class TResourceFile : public TPersistObject, public virtual IResourceFile {
 public:
  void Init() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  std::string GetFileName() const override { return file_name_; }
  void SetFileName(std::string_view file) override { file_name_ = std::string(file); }
  ResourceLoadMode GetLoadMode() const override { return load_mode_; }
  void SetLoadMode(ResourceLoadMode mode) override { load_mode_ = mode; }

 private:
  std::string file_name_;
  ResourceLoadMode load_mode_ = ResourceLoadMode::kAsynch;
};

// Element "resourcefiles", items "resourcefile", keyed by name.
class TResourceFileCollection : public TStaticCreationPersistItemCollection, public virtual IResourceFileCollection {
 public:
  void Init() override;
  Ref<IResourceFile> GetFile(const Variant& key) override { return GetItemAs<IResourceFile>(key); }
  bool AddFile(Ref<IResourceFile> file) override { return AddItem(file); }
};

// Loads the definition files of one load mode, in list order, each under its
// resource file's name as owner; frames run between definitions for "asynch".
void LoadResourceFiles(IResourceFileCollection& files, IResourceEngine& engine, ResourceLoadMode mode);

// Registers the data-creatable classes of this unit ("ResourceFile").
void RegisterEngineResourceClasses();

}  // namespace corvellane
