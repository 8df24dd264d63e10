// resource.h: TResource, the base of every named media object of the game.
//
// A resource is created by its type name from a definition element
// ("resource", keys "file" and "loadbydemand"), filed under an owner name
// (the resource file, scene or screen that defined it) and attached to the
// engine's IResourceOwner, through which it reads files and loads sounds.
//
//   res->LoadFrom(definition);             // load pending when "loadbydemand"
//   res->SetOwnerName("Scene3");
//   res->AttachResourceOwner(engine);      // loads now unless pending
//   res->Unload();                         // frees the data; next use reloads
//   res->ReleaseResourceOwner();           // unloads and forgets the engine
//
// Subclasses put their decoding in LoadData and its release in FreeData, and
// call EnsureLoaded at the top of every data accessor. FreeData must cope
// with nothing loaded.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/resource_owner.h"
#include "persistence/object.h"

namespace corvellane {

struct IResource : virtual INamedObject {
  virtual std::string GetFile() const = 0;
  virtual bool IsLoadPending() const = 0;
  virtual std::string GetOwnerName() const = 0;
  virtual void SetOwnerName(std::string_view owner) = 0;
  virtual void Load() = 0;
  virtual void Unload() = 0;
};

// The link to the engine, used by the resource collection and definitions.
struct IResourceOwnerLink : virtual IResource {
  virtual void AttachResourceOwner(IResourceOwner* owner) = 0;
  virtual void ReleaseResourceOwner() = 0;
};

class TResource : public TPersistObject, public virtual IResourceOwnerLink {
 public:
  void Init() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  void Cleanup() override;

  std::string GetFile() const override { return file_; }
  void SetFile(std::string_view file) { file_ = std::string(file); }
  bool IsLoadPending() const override { return load_pending_; }
  std::string GetOwnerName() const override { return owner_name_; }
  void SetOwnerName(std::string_view owner) override { owner_name_ = std::string(owner); }
  // Without an owner nothing can be read: the load stays pending.
  void Load() override;
  void Unload() override;
  // The owner is not held: the engine outlives its resources and releases
  // them before it goes.
  void AttachResourceOwner(IResourceOwner* owner) override;
  void ReleaseResourceOwner() override;

 protected:
  // False when the data could not be read or decoded; the resource then
  // stays empty and a warning names it and its file.
  virtual bool LoadData() { return true; }
  virtual void FreeData() {}
  void EnsureLoaded();
  IResourceOwner* Owner() const { return owner_; }
  // A file through the owner; none without one.
  std::optional<std::string> ReadFile(std::string_view file) const;

 private:
  std::string owner_name_;
  std::string file_;
  IResourceOwner* owner_ = nullptr;
  bool load_by_demand_ = false;
  bool load_pending_ = false;
};

}  // namespace corvellane
