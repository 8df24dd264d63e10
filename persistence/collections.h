// collections.h: keyed collections of objects, plain and persistent.
//
// TCollection<I>        a keyed collection of interface references; not
//                       persistent by itself
// TPersistCollection    a persistent object whose items are the child
//                       elements named by the item element name
//  TPersistItemCollection                  creates, loads and files items
//   TStaticCreationPersistItemCollection   every item of one class
//   TTypedCreationPersistItemCollection    each item of the class its "type"
//                                          names; unknown types are skipped
//
// Items are filed under their names (INamedObject); a name already present
// (without regard to letter case) drops the later item, so the first of a
// name stays. Loading adds to the items present; nothing is cleared first.
// Saving adds one child element per item and removes it again when the item
// turns out not to be stored. Cleanup clears the items, breaking cycles
// between a collection and items that refer back to it. DeleteItem with a
// name that is not present raises EElHashListError ("Hash not found.").
#pragma once

#include <string>
#include <string_view>

#include "persistence/class_registry.h"
#include "persistence/keyed_collections.h"
#include "persistence/object.h"
#include "persistence/ref.h"

namespace corvellane {

// The name an item is filed under: its INamedObject name, else empty.
std::string ItemName(IObject* item);

template <class I = IObject>
class TCollection : public TAbstractObject, public virtual ICollection {
 public:
  int Count() const override { return items_.Count(); }
  void DeleteItem(const Variant& key) override { items_.DeleteByKey(key); }
  int IndexOf(std::string_view name) const override { return items_.IndexOf(name); }
  bool Contains(std::string_view name) const override { return items_.Contains(name); }
  void ClearItems() override { items_.Clear(); }

  Ref<I> GetItem(const Variant& key) {
    Ref<I>* item = items_.GetByKey(key);
    return item ? *item : nullptr;
  }
  // Files the item under the key; false when the key is taken.
  bool AddItem(std::string_view key, Ref<I> item) { return items_.Add(key, std::move(item)); }

 protected:
  TInterfaceCollection<I>& Items() { return items_; }
  const TInterfaceCollection<I>& Items() const { return items_; }

 private:
  TInterfaceCollection<I> items_;
};

class TPersistCollection : public TPersistObject, public virtual ICollection {
 public:
  void Cleanup() override { ClearItems(); }

  // The name, then LoadItem for each child of the item element name.
  void LoadProperties(IHierStorage* node) override;
  // Name and type, then one child element per item through SaveItem.
  void SaveProperties(IHierStorage* node) override;

  virtual void LoadItem(IHierStorage* child) {}
  // False: the child added for the item is removed again.
  virtual bool SaveItem(IObject* item, IHierStorage* child) { return false; }

  int Count() const override { return items_.Count(); }
  void DeleteItem(const Variant& key) override { items_.DeleteByKey(key); }
  int IndexOf(std::string_view name) const override { return items_.IndexOf(name); }
  bool Contains(std::string_view name) const override { return items_.Contains(name); }
  void ClearItems() override { items_.Clear(); }

  Ref<IObject> GetItem(const Variant& key);
  template <class T>
  Ref<T> GetItemAs(const Variant& key) {
    return QueryInterface<T>(GetItem(key));
  }

  const std::string& GetItemElementName() const { return item_element_name_; }

 protected:
  void SetItemElementName(std::string_view name) { item_element_name_ = std::string(name); }
  TInterfaceCollection<IObject>& Items() { return items_; }
  const TInterfaceCollection<IObject>& Items() const { return items_; }

 private:
  std::string item_element_name_;
  TInterfaceCollection<IObject> items_;
};

class TPersistItemCollection : public TPersistCollection {
 public:
  // CreateItem, LoadFrom the child when the item is persistable, AddItem.
  void LoadItem(IHierStorage* child) override;
  // SaveTo the child unless the item is not persistable or not to be stored.
  bool SaveItem(IObject* item, IHierStorage* child) override;

  virtual Ref<IObject> CreateItem(IHierStorage* child) { return nullptr; }
  // Files the item under its name; false when the name is taken.
  virtual bool AddItem(Ref<IObject> item);
};

class TStaticCreationPersistItemCollection : public TPersistItemCollection {
 public:
  // A new instance of the item class (Init run, no parameters).
  Ref<IObject> CreateItem(IHierStorage* child) override;

  template <class T>
  void SetItemClass() {
    item_class_ = [] { return Ref<TAbstractObject>(new T()); };
  }
  void SetItemClass(ObjectFactory construct) { item_class_ = construct; }

 private:
  ObjectFactory item_class_ = nullptr;
};

class TTypedCreationPersistItemCollection : public TPersistItemCollection {
 public:
  // The child's "type" creates the item and its "name" names it; none for a
  // missing or unknown type.
  Ref<IObject> CreateItem(IHierStorage* child) override;
};

}  // namespace corvellane
