// story_collection.h: TStoryCollection, the keyed collections of the story
// data, every item of one class.
//
// Each story collection is an element holding one child element per item
// (a scene's "object_defs" with its "object_def" children, a case's "stages"
// with its "stage" children...). Items are filed under their names, in file
// order, the first of a name staying; the element names are given once:
//
//   class TUGDStageCollection
//       : public TStoryCollection<TUGDStage, IUGDStage, IUGDStageCollection> {
//    public:
//     TUGDStageCollection() : TStoryCollection("stages", "stage") {}
//   };
//
//   Ref<IUGDStage> first = stages->Get(Variant(0));
//
// No "type" is written: the collection knows the class of its items. Cleanup
// lets every item drop its references (items may point back at owners).
#pragma once

#include <string_view>

#include "persistence/collections.h"
#include "persistence/object_io.h"

namespace corvellane {

// The operations every story collection offers, as its interface I declares
// them: `Get` by position or name, `Add` under the item's own name.
template <class I>
struct IStoryCollection : virtual ICollection {
  virtual Ref<I> Get(const Variant& key) = 0;
  // False when the name is taken or there is no item.
  virtual bool Add(Ref<I> item) = 0;
};

template <class T, class I, class Interface = IStoryCollection<I>>
class TStoryCollection : public TStaticCreationPersistItemCollection, public virtual Interface {
 public:
  TStoryCollection(std::string_view element, std::string_view item_element)
      : element_(element), item_element_(item_element) {}

  void Init() override {
    TStaticCreationPersistItemCollection::Init();
    SetStorageName(element_);
    SetItemElementName(item_element_);
    SetTypeName({});
    SetItemClass<T>();
  }
  void Cleanup() override {
    for (int i = 0; i < Count(); ++i)
      if (auto* item = dynamic_cast<IPersistObject*>(GetItem(Variant(i)).get())) item->Cleanup();
    TStaticCreationPersistItemCollection::Cleanup();
  }

  Ref<I> Get(const Variant& key) override { return GetItemAs<I>(key); }
  bool Add(Ref<I> item) override { return item && AddItem(Ref<IObject>(item)); }

  // A new item of the collection's class named `name`, added; none when the
  // name is taken.
  Ref<T> AddNew(std::string_view name) {
    Ref<T> item = CreateObject<T>();
    item->SetName(name);
    return AddItem(Ref<IObject>(item)) ? item : nullptr;
  }

 private:
  std::string_view element_;
  std::string_view item_element_;
};

// Loads a collection from the node's first child of its element name, when
// there is one; writes it only when it holds an item.
template <class C>
void LoadStoryChild(C& items, IHierStorage* node) {
  if (node && node->GetChildCount(items.GetStorageName()) > 0) LoadChild(&items, node, items.GetStorageName());
}
template <class C>
void SaveStoryChild(C& items, IHierStorage* node) {
  if (items.Count() > 0) SaveChild(&items, node, "");
}

}  // namespace corvellane
