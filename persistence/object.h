// object.h: the base classes and interfaces of the object model.
//
// TAbstractObject     reference counting, Init, SetParam (creation parameters)
//  TNamedObject       a name
//   TPersistObject    loads and saves itself through a storage node, knows its
//                     "_outstorage", "template" and "_object_guid" attributes
//    TPropertyObject  named properties read and written as variants
//
// Creation: CreateObject<T>(params) (object_io.h) constructs, runs Init, then
// SetParam for every key=value pair of the parameter string (param_string.h),
// in order; CreateByType (class_registry.h) does the same from a type name.
//
// Saving with "_outstorage": without "template" the properties go to the
// external file and the node keeps only the special attributes; with
// "template" the node receives just the values that differ from the external
// (template) file, and an own value equal to the template's is removed so
// that the template's shows through.
// End of life: the owner calls Cleanup (drop references to other objects, so
// cycles cannot keep anything alive) and then releases its reference.
#pragma once

#include <string>
#include <string_view>

#include "persistence/ref.h"
#include "persistence/variant.h"

namespace corvellane {

struct IHierStorage;
class TPropertyTable;

struct INamedObject : virtual IObject {
  virtual std::string GetName() const = 0;
  virtual void SetName(std::string_view name) = 0;
};

struct IPropertyObject : virtual INamedObject {
  virtual void SetProperty(std::string_view name, const Variant& value) = 0;
  virtual Variant GetProperty(std::string_view name) = 0;
  // GetProperty, unless that is empty or null: then the fallback.
  virtual Variant GetPropertyOr(std::string_view name, const Variant& fallback) = 0;
};

// Common operations of every keyed collection. A key variant selects by
// position when it holds an integer and by name when it holds a text.
struct ICollection : virtual IObject {
  virtual int Count() const = 0;
  virtual void DeleteItem(const Variant& key) = 0;
  virtual int IndexOf(std::string_view name) const = 0;
  virtual bool Contains(std::string_view name) const = 0;
  virtual void ClearItems() = 0;
};

// Everything that can be stored in a storage node.
struct IPersistable : virtual IObject {
  virtual void LoadFrom(IHierStorage* node) = 0;
  virtual void SaveTo(IHierStorage* node) = 0;
  virtual std::string GetStorageName() const = 0;
};

struct IPersistObject : virtual IPersistable {
  virtual bool SavePropertiesChecked(IHierStorage* node) = 0;
  virtual bool IsStored() const = 0;
  virtual void SetStored(bool stored) = 0;
  virtual void Cleanup() = 0;
};

class TAbstractObject : public virtual IObject {
 public:
  TAbstractObject() = default;
  TAbstractObject(const TAbstractObject&) = delete;
  TAbstractObject& operator=(const TAbstractObject&) = delete;

  void AddRef() override { ++ref_count_; }
  void Release() override {
    if (--ref_count_ == 0) delete this;
  }

  // Runs once after construction, before creation parameters are applied.
  virtual void Init() {}
  // One creation parameter (key=value of a parameter string).
  virtual void SetParam(std::string_view key, std::string_view value) {}

 protected:
  ~TAbstractObject() override = default;

 private:
  int ref_count_ = 0;
};

class TNamedObject : public TAbstractObject, public virtual INamedObject {
 public:
  std::string GetName() const override { return name_; }
  void SetName(std::string_view name) override { name_ = std::string(name); }
  // Key "name" (exact) sets the name.
  void SetParam(std::string_view key, std::string_view value) override;
  // Copies this object's own state into the target.
  virtual void AssignTo(TNamedObject& target) const;

 private:
  std::string name_;
};

class TPersistObject : public TNamedObject, public virtual IPersistObject {
 public:
  void Init() override;
  void AssignTo(TNamedObject& target) const override;

  // IPersistable / IPersistObject
  void LoadFrom(IHierStorage* node) override;
  void SaveTo(IHierStorage* node) override;
  std::string GetStorageName() const override { return storage_name_; }
  bool SavePropertiesChecked(IHierStorage* node) override;
  bool IsStored() const override { return stored_; }
  void SetStored(bool stored) override { stored_ = stored; }
  void Cleanup() override {}

  // Reads and writes this class's own properties (subclasses call the parent
  // first, then read or write one typed value per property).
  virtual void LoadProperties(IHierStorage* node);
  virtual void SaveProperties(IHierStorage* node);

  const std::string& GetTypeName() const { return type_name_; }
  // An empty type name keeps "type" out of saved elements, for classes whose
  // collections create every item of one class anyway.
  void SetTypeName(std::string_view type_name) { type_name_ = std::string(type_name); }
  const std::string& GetOutStorage() const { return out_storage_; }
  void SetOutStorage(std::string_view target) { out_storage_ = std::string(target); }
  bool IsTemplate() const { return template_; }
  void SetTemplate(bool on) { template_ = on; }
  const std::string& GetObjectGuid() const { return object_guid_; }
  void SetObjectGuid(std::string_view guid) { object_guid_ = std::string(guid); }

 protected:
  // Subclasses set their element name in Init.
  void SetStorageName(std::string_view name) { storage_name_ = std::string(name); }

 private:
  // "_outstorage" with "template": only the values that differ from the
  // template file are written into the node.
  void SaveDifferencesFromTemplate(IHierStorage* node);
  // "_outstorage" without "template": the properties go to the external file.
  void SaveToOutStorage(IHierStorage* node);

  std::string out_storage_;
  bool template_ = false;
  bool stored_ = true;
  std::string object_guid_;
  std::string storage_name_;
  std::string type_name_;
};

// The properties of a class are the rows of its property table
// (property_table.h), which loading, saving and access by name all follow;
// "name" and "_object_guid" come after the table.
class TPropertyObject : public TPersistObject, public virtual IPropertyObject {
 public:
  // The root of every table: no rows.
  static const TPropertyTable& Properties();
  // The table of the object's own class; every class with a table overrides it.
  virtual const TPropertyTable& GetPropertyTable() const { return Properties(); }

  // The name, then the rows of the table, parent classes first.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  // A row of the table, then "name" and "_object_guid"; anything else reads
  // as null and is ignored on write.
  Variant GetProperty(std::string_view name) override;
  void SetProperty(std::string_view name, const Variant& value) override;
  Variant GetPropertyOr(std::string_view name, const Variant& fallback) override;

 protected:
  // "name" and "_object_guid" alone: for classes that look at their own
  // names (aliases, extra values) between the table and these.
  Variant GetBaseProperty(std::string_view name);
  void SetBaseProperty(std::string_view name, const Variant& value);
};

}  // namespace corvellane
