// widget_collections.h: the collections through which groups hold children.
//
// TSimpleWidgetCollection  an ordered list of widgets filed under their names,
//                          loaded from a "widgets" element with one "widget"
//                          item each (created by its "type")
//  TWidgetCollection       adds z order, the owner every child is attached
//                          to, and the per-frame passes a group runs
//
//   Ref<TWidgetCollection> children = CreateObject<TWidgetCollection>();
//   children->SetOwner(group);          // every child attached to the group
//   children->Add(button);              // attached, placed by z, redrawn
//   children->AdvanceAll(16);           // each live child once per frame
//   children->RemoveDead();             // dead children redrawn away, dropped
//   children->UpdateDirtyRegions(false, false);
//
// Z order: lower z is further back (earlier in the list). A new widget goes
// after every sibling of the same or lower z, so among equal z the newest is
// on top; SortByZ (once per dirty pass) moves children whose z changed and
// keeps the order among equal z.
//
// Names: a child is found by its name. A widget whose name is empty or
// already taken is still added (and attached), under an automatic key that
// no name lookup collides with; the first widget of a name stays the one
// found by that name.
//
// Moving: adding a widget that belongs to another group takes it out of that
// group's collection first, so no widget is ever held by two groups. A group
// is never added into itself or below itself (such an add is ignored).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "persistence/collections.h"
#include "widgets/widget_collection_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

// Detaches the widget from its owner; a group's child is also taken out of
// the group's collection (its last rectangle redrawn), so that a widget that
// moves to another container is never held by two.
void DetachFromOwner(IWidget& widget);
// Whether the widget is that owner itself or one of the owners above it, so
// that taking it in would put a container inside itself.
bool IsOwnerOrAbove(IWidgetOwner* owner, const IWidget* widget);

class TSimpleWidgetCollection : public TTypedCreationPersistItemCollection,
                                public virtual ISimpleWidgetCollection {
 public:
  void Init() override;

  Ref<IWidget> GetWidget(const Variant& key) override;
  Ref<IWidget> GetWidgetAt(int index) override;
  Ref<IWidget> GetWidgetByName(std::string_view name) override;
  // Appended under its name (or an automatic key when the name is empty or taken).
  void Add(Ref<IWidget> widget) override;
  void AddNamed(Ref<IObject> object, std::string_view name) override;
  // Loading files every item through Add, so subclasses place loaded
  // children the way they place added ones.
  bool AddItem(Ref<IObject> item) override;
  void DeleteItem(const Variant& key) override;
  void ClearItems() override;

 protected:
  // Files the item at the position under the name, or under an automatic
  // key when the name is empty or taken.
  void InsertItem(int position, std::string_view name, Ref<IObject> item);
  // Takes the entry out; its reference is dropped last, when the list is
  // already consistent again.
  void RemoveAt(int index);
  void MoveChild(int from, int to);
  // The child at the index as a widget (none out of range or for an item
  // that is no widget); valid while the entry is held.
  IWidget* ChildAt(int index) const;
  // The index an integer or text key selects; -1 when none.
  int IndexOfKey(const Variant& key) const;

 private:
  // Every entry seen as a widget, in list order. The per-frame passes walk
  // this instead of converting each item again on every visit.
  std::vector<IWidget*> widgets_;
};

class TWidgetCollection : public TSimpleWidgetCollection, public virtual IWidgetCollection {
 public:
  ~TWidgetCollection() override;

  void Add(Ref<IWidget> widget) override;
  void AddNamed(Ref<IObject> object, std::string_view name) override;
  // The child leaves with its last rectangle redrawn and is detached first.
  void DeleteItem(const Variant& key) override;

  bool IsSortedByZ() const override { return sorted_by_z_; }
  void SetSortedByZ(bool sorted) override { sorted_by_z_ = sorted; }
  void SortByZ() override;
  void AdvanceAll(int32_t elapsed_ms) override;
  void RemoveDead() override;
  void SetPropertyOnAll(std::string_view name, const Variant& value) override;
  void UpdateDirtyRegions(bool force_old, bool force_new) override;
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  bool IsRedrawNeeded() const override { return redraw_needed_; }
  IWidgetOwner* GetOwner() const { return owner_; }
  bool IsIterating() const { return iterating_; }

 private:
  // Where a widget of that z goes: after the last child whose z is not greater.
  int ZPlacement(int32_t z) const;
  void DeleteAt(int index);
  // Whether the widget is already one of the children.
  bool Holds(const IWidget* widget) const;

  bool sorted_by_z_ = true;
  IWidgetOwner* owner_ = nullptr;
  bool redraw_needed_ = false;
  bool iterating_ = false;
  bool modified_ = false;
};

}  // namespace corvellane
