// resource_definition.h: lists of resource definitions, loaded as a group.
//
// A definition says which resource exists: its name, its type (the registered
// type name of a resource class, "ImageResource"), the file it comes from and
// the type's own parameters (a parameter string, "\format=png"). Scenes,
// loading screens and the play screen keep such lists; attached to the engine
// they load, reload or remove their resources under the list's group name.
//
//   <resource_defs resourcegroup="Scene3">
//     <resource_def name="bg" type="ImageResource" file="data\s3\bg.jpg" typeparams="\format=jpeg"/>
//   </resource_defs>
//
//   auto defs = CreateObject<TResourceDefCollection>();
//   defs->LoadFrom(node);
//   defs->AttachEngine(engine);
//   defs->LoadAllResources();          // engine creates "bg" under "Scene3"
//   defs->RemoveGroupResources();
//   defs->DetachEngine();
//
// A definition turns into the engine's element form
// <resource name=".." type=".." file=".." key="value" .../>: one attribute
// per type parameter. Values are escaped like every written XML value, and a
// type parameter named "name", "type" or "file" is left out, so a parameter
// can never rename a resource or break the element.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/resource_engine_interface.h"
#include "persistence/collections.h"
#include "persistence/object.h"
#include "persistence/storage.h"

namespace corvellane {

struct IResourceDefOwner : virtual IObject {
  virtual Ref<IResourceEngine> GetEngine() = 0;
};

struct IResourceDef : virtual INamedObject {
  // A plain back link; the owner clears it before it goes.
  virtual void SetDefOwner(IResourceDefOwner* owner) = 0;
  virtual void ClearDefOwner() = 0;
  virtual IResourceDefOwner* GetDefOwner() const = 0;
  virtual std::string GetType() const = 0;
  virtual void SetType(std::string_view type) = 0;
  virtual std::string GetFile() const = 0;
  virtual void SetFile(std::string_view file) = 0;
  virtual std::string GetTypeParams() const = 0;
  virtual void SetTypeParams(std::string_view params) = 0;
  // The definition in the engine's element form (see above).
  virtual std::string ToResourceText() = 0;
  // Writes that element's attributes into a node.
  virtual void WriteResourceElement(IHierStorage* node) = 0;
};

struct IResourceDefCollection : virtual ICollection {
  // The engine is a plain back link (it owns everything that holds a list);
  // the list's owner detaches before it lets go.
  virtual void AttachEngine(IResourceEngine* engine) = 0;
  virtual void DetachEngine() = 0;
  virtual std::string GetGroupName() const = 0;
  virtual void SetGroupName(std::string_view name) = 0;
  virtual void LoadAllResources() = 0;
  // Key: position (integer) or name (text).
  virtual void ReloadResource(const Variant& key) = 0;
  virtual void RemoveGroupResources() = 0;
  virtual Ref<IResourceDef> GetDef(const Variant& key) = 0;
  // False when a definition of that name is present already.
  virtual bool AddDef(Ref<IResourceDef> def) = 0;
  // Updates the definition of that name, or adds a new one.
  virtual Ref<IResourceDef> SetDef(std::string_view name, std::string_view type, std::string_view type_params,
                                   std::string_view file) = 0;
  // An image definition for a file: every "%name%" of the pattern becomes the
  // file's bare name; the format follows the extension (png or jpeg).
  virtual Ref<IResourceDef> AddImageFile(std::string_view name_pattern, std::string_view file_name) = 0;
};

class TResourceDef : public TNamedObject, public virtual IResourceDef, public virtual IPersistable {
 public:
  void SetDefOwner(IResourceDefOwner* owner) override { owner_ = owner; }
  void ClearDefOwner() override { owner_ = nullptr; }
  IResourceDefOwner* GetDefOwner() const override { return owner_; }
  std::string GetType() const override { return type_; }
  void SetType(std::string_view type) override { type_ = std::string(type); }
  std::string GetFile() const override { return file_; }
  void SetFile(std::string_view file) override { file_ = std::string(file); }
  std::string GetTypeParams() const override { return type_params_; }
  void SetTypeParams(std::string_view params) override { type_params_ = std::string(params); }
  std::string ToResourceText() override;
  void WriteResourceElement(IHierStorage* node) override;

  // IPersistable: element "resource_def".
  void LoadFrom(IHierStorage* node) override;
  void SaveTo(IHierStorage* node) override;
  std::string GetStorageName() const override { return "resource_def"; }

 private:
  IResourceDefOwner* owner_ = nullptr;
  std::string type_;
  std::string file_;
  std::string type_params_;
};

class TResourceDefCollection : public TCollection<IResourceDef>,
                               public virtual IResourceDefCollection,
                               public virtual IResourceDefOwner,
                               public virtual IPersistable {
 public:
  void AttachEngine(IResourceEngine* engine) override;
  void DetachEngine() override;
  std::string GetGroupName() const override { return group_name_; }
  void SetGroupName(std::string_view name) override { group_name_ = std::string(name); }
  void LoadAllResources() override;
  void ReloadResource(const Variant& key) override;
  void RemoveGroupResources() override;
  Ref<IResourceDef> GetDef(const Variant& key) override { return GetItem(key); }
  bool AddDef(Ref<IResourceDef> def) override;
  Ref<IResourceDef> SetDef(std::string_view name, std::string_view type, std::string_view type_params,
                           std::string_view file) override;
  Ref<IResourceDef> AddImageFile(std::string_view name_pattern, std::string_view file_name) override;

  // IResourceDefOwner
  Ref<IResourceEngine> GetEngine() override { return Ref<IResourceEngine>(engine_); }

  // IPersistable: element "resource_defs", attribute "resourcegroup", one
  // "resource_def" child per definition. Loading adds to the definitions
  // present; the first definition of a name stays.
  void LoadFrom(IHierStorage* node) override;
  void SaveTo(IHierStorage* node) override;
  std::string GetStorageName() const override { return "resource_defs"; }

  // Detaches the engine and drops every definition.
  void Cleanup();

 private:
  // Hands the definitions to the engine as one <resources><content> element.
  void LoadDefinitions(std::span<const Ref<IResourceDef>> defs);

  IResourceEngine* engine_ = nullptr;
  std::string group_name_;
};

}  // namespace corvellane
