#include "engine/resource_file.h"

#include "persistence/class_registry.h"
#include "persistence/value_access.h"

namespace corvellane {

namespace {

constexpr std::string_view kLoadModeNames = "/synch/asynch";

}  // namespace

void TResourceFile::Init() {
  TPersistObject::Init();
  SetStorageName("resourcefile");
}

void TResourceFile::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  file_name_ = ReadText(node, "filename");
  load_mode_ = static_cast<ResourceLoadMode>(
      ReadEnum(node, "loadmode", kLoadModeNames, static_cast<int>(ResourceLoadMode::kAsynch)));
}

void TResourceFile::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  WriteText(node, "filename", file_name_, !file_name_.empty());
  WriteEnum(node, "loadmode", kLoadModeNames, static_cast<int>(load_mode_), load_mode_ != ResourceLoadMode::kAsynch);
}

void TResourceFileCollection::Init() {
  TStaticCreationPersistItemCollection::Init();
  SetStorageName("resourcefiles");
  SetItemElementName("resourcefile");
  SetItemClass<TResourceFile>();
}

void LoadResourceFiles(IResourceFileCollection& files, IResourceEngine& engine, ResourceLoadMode mode) {
  for (int i = 0; i < files.Count(); ++i) {
    Ref<IResourceFile> file = files.GetFile(Variant(i));
    if (file && file->GetLoadMode() == mode)
      engine.LoadResourceDefsFile(file->GetFileName(), file->GetName(), mode == ResourceLoadMode::kAsynch);
  }
}

void RegisterEngineResourceClasses() { RegisterClass<TResourceFile>("ResourceFile"); }

}  // namespace corvellane
