// params.h: named variant values, their collections, and the process-wide
// sets of replacement values keyed by object GUID.
//
// A parameter collection is the system's carrier of loose named values
// ("params.ini", widget template values, screen arguments, record fields).
// Names are compared without regard to letter case; order is kept.
//
//   <params name="extra">
//     <param name="caption" value="Hello"/>
//   </params>
//
//   auto params = CreateObject<TParamCollection>("\\caption=Hello\\count=3");
//   params->GetNamedValue("COUNT", 0);     // "3" (creation values are texts)
//   params->SetNamedValue("volume", 50);   // adds a parameter
//
// Replacement sets: the game file may carry, per object GUID, a parameter
// collection whose values replace the stored values of the object bearing
// that GUID in its "_object_guid" attribute when it loads. A set then stands
// in front of the object's storage node as an IHierStorage: a value it holds
// wins over the stored one, everything else passes through. A parameter
// equal to the stored value replaces nothing and is dropped from its set.
// Children are the node's own: sub-objects are not replaced.
#pragma once

#include <string_view>

#include "persistence/collections.h"
#include "persistence/object.h"
#include "persistence/ref.h"
#include "persistence/storage.h"
#include "persistence/variant.h"

namespace corvellane {

struct IParam : virtual INamedObject {
  virtual Variant GetParamValue() const = 0;
  virtual void SetParamValue(const Variant& value) = 0;
};

struct IParamCollection : virtual ICollection {
  // Key variant: position or name; none when absent.
  virtual Ref<IParam> GetParam(const Variant& key) = 0;
  // Files the parameter under its name; false (no change) when it is taken.
  virtual bool AddParam(Ref<IParam> param) = 0;
  // Sets the value of the parameter of that name, adding it when missing.
  virtual void SetNamedValue(std::string_view name, const Variant& value) = 0;
  virtual Variant GetNamedValue(std::string_view name, const Variant& fallback) = 0;
};

struct IReplaceableObjectParamCollection : virtual IParamCollection, virtual INamedObject {
  // The node the set stands in front of.
  virtual void SetSource(Ref<IHierStorage> source) = 0;
};

struct IGlobalReplaceableObjectParams : virtual ICollection {
  virtual Ref<IReplaceableObjectParamCollection> GetEntry(const Variant& key) = 0;
  virtual bool AddEntry(Ref<IReplaceableObjectParamCollection> entry) = 0;
  // The set of the GUID; when absent and `create` is set, a new empty one
  // named by the GUID, added. None for an empty GUID.
  virtual Ref<IReplaceableObjectParamCollection> GetOrCreateEntry(std::string_view guid, bool create) = 0;
  // The storage an object bearing the GUID loads from: the set of that GUID
  // in front of the node, or the node itself when there is no set.
  virtual Ref<IHierStorage> WrapStorage(std::string_view guid, Ref<IHierStorage> node) = 0;
};

class TParam : public TPersistObject, public virtual IParam {
 public:
  void Init() override;
  Variant GetParamValue() const override { return value_; }
  void SetParamValue(const Variant& value) override { value_ = value; }
  // "name", then "value" as text.
  void LoadProperties(IHierStorage* node) override;
  // "name" and "type", then "value" always.
  void SaveProperties(IHierStorage* node) override;

 private:
  Variant value_;
};

class TParamCollection : public TPersistCollection, public virtual IParamCollection {
 public:
  void Init() override;
  // "name" names the collection; every key (including "name") also sets the
  // parameter of that name to the text value, so the last of a key wins.
  void SetParam(std::string_view key, std::string_view value) override;
  // A "param" element's "name" and "value" set that parameter; a repeated
  // name overwrites the earlier value.
  void LoadItem(IHierStorage* child) override;
  // "name" and "value" (as text), always written.
  bool SaveItem(IObject* item, IHierStorage* child) override;

  Ref<IParam> GetParam(const Variant& key) override;
  bool AddParam(Ref<IParam> param) override;
  void SetNamedValue(std::string_view name, const Variant& value) override;
  Variant GetNamedValue(std::string_view name, const Variant& fallback) override;
};

class TReplaceableObjectParamCollection : public TParamCollection,
                                          public virtual IReplaceableObjectParamCollection,
                                          public virtual IHierStorage {
 public:
  void SetSource(Ref<IHierStorage> source) override { source_ = std::move(source); }
  void Cleanup() override;

  // The set's own name (the GUID).
  std::string GetNodeName() override { return GetName(); }
  // The parameter of that name when there is one (dropped from the set when
  // it equals the stored value), else the stored value.
  Variant GetValue(std::string_view name, const Variant& fallback) override;
  // Ignored: a replacement set never writes content into the node.
  void SetContent(const Variant& value) override {}

  // Everything else is the source node's.
  int GetValueCount() override;
  std::string GetValueName(int position) override;
  Variant GetValueAt(int position, const Variant& fallback) override;
  void SetValueAt(int position, const Variant& value) override;
  void SetValue(std::string_view name, const Variant& value) override;
  void DeleteValue(std::string_view name) override;
  Ref<IHierStorage> AddChild(std::string_view name) override;
  int GetChildCount(std::string_view name) override;
  Ref<IHierStorage> GetChild(std::string_view name, int index) override;
  Ref<IHierStorage> FindChild(std::string_view path) override;
  Variant GetText() override;
  void SetText(const Variant& value) override;
  Variant GetChildText(std::string_view name) override;
  void SetChildText(std::string_view name, const Variant& value) override;
  void AppendCopy(IHierStorage* other) override;
  void RemoveChild(IHierStorage* child) override;
  std::string GetXml() override;
  Variant GetContent() override;
  Variant GetChildContent(std::string_view name) override;
  void SetChildContent(std::string_view name, const Variant& value) override;
  Ref<IHierStorage> FindNode(std::string_view path, std::string_view group_name) override;
  std::string GetLocation() override;

 private:
  Ref<IHierStorage> source_;
};

class TGlobalReplaceableObjectParams : public TStaticCreationPersistItemCollection,
                                       public virtual IGlobalReplaceableObjectParams {
 public:
  void Init() override;
  Ref<IReplaceableObjectParamCollection> GetEntry(const Variant& key) override;
  bool AddEntry(Ref<IReplaceableObjectParamCollection> entry) override;
  Ref<IReplaceableObjectParamCollection> GetOrCreateEntry(std::string_view guid, bool create) override;
  Ref<IHierStorage> WrapStorage(std::string_view guid, Ref<IHierStorage> node) override;
};

// The one process-wide collection of replacement sets, created on first use.
const Ref<IGlobalReplaceableObjectParams>& GlobalReplaceableObjectParams();
// Program end: clears the sets (and the nodes they still refer to) and drops
// the instance, so that it goes before the storages it points into.
void ReleaseGlobalReplaceableObjectParams();

// SetNamedValue on the target for every source parameter, in order.
void CopyParams(IParamCollection* source, IParamCollection* target);
// A new collection holding the source's parameters; none for no source.
Ref<IParamCollection> CloneParams(IParamCollection* source);

}  // namespace corvellane
