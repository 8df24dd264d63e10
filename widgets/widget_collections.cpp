#include "widgets/widget_collections.h"

#include <string>

#include "persistence/number_text.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane {

namespace {

// Keys for children without a usable name start with a control character,
// which no XML data file can hold in a name, so such a key does not answer a
// lookup by any name from data.
constexpr char kUnnamedKeyMark = '\x01';

std::string UnnamedKey(int serial) { return std::string(1, kUnnamedKeyMark) + FormatInt(serial); }

int32_t ZOf(IWidget* widget) { return widget ? widget->GetZ() : 0; }

// Clears a flag on every way out of a scope, errors included.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void DetachFromOwner(IWidget& widget) {
  auto* group = dynamic_cast<IWidget*>(widget.GetOwner());
  Ref<IWidgetCollection> siblings = group ? group->GetWidgets() : nullptr;
  for (int i = 0; siblings && i < siblings->Count(); ++i) {
    if (siblings->GetWidgetAt(i).get() == &widget) {
      siblings->DeleteItem(Variant(int32_t{i}));
      break;
    }
  }
  if (widget.GetOwner()) widget.ClearOwner();
}

bool IsOwnerOrAbove(IWidgetOwner* owner, const IWidget* widget) {
  while (owner) {
    auto* above = dynamic_cast<IWidget*>(owner);
    if (!above) return false;
    if (above == widget) return true;
    owner = above->GetOwner();
  }
  return false;
}

// ---- TSimpleWidgetCollection ----

void TSimpleWidgetCollection::Init() {
  TTypedCreationPersistItemCollection::Init();
  SetStorageName("widgets");
  SetItemElementName("widget");
}

int TSimpleWidgetCollection::IndexOfKey(const Variant& key) const {
  if (key.IsInt()) return key.ToInt() >= 0 && key.ToInt() < Count() ? key.ToInt() : -1;
  if (key.IsText()) return IndexOf(key.ToText());
  return -1;
}

IWidget* TSimpleWidgetCollection::ChildAt(int index) const {
  return index >= 0 && index < static_cast<int>(widgets_.size()) ? widgets_[index] : nullptr;
}

Ref<IWidget> TSimpleWidgetCollection::GetWidget(const Variant& key) { return Ref<IWidget>(ChildAt(IndexOfKey(key))); }

Ref<IWidget> TSimpleWidgetCollection::GetWidgetAt(int index) { return Ref<IWidget>(ChildAt(index)); }

Ref<IWidget> TSimpleWidgetCollection::GetWidgetByName(std::string_view name) { return Ref<IWidget>(ChildAt(IndexOf(name))); }

void TSimpleWidgetCollection::Add(Ref<IWidget> widget) {
  if (!widget) return;
  const std::string name = widget->GetName();
  InsertItem(Count(), name, std::move(widget));
}

void TSimpleWidgetCollection::AddNamed(Ref<IObject> object, std::string_view name) {
  if (object) InsertItem(Count(), name, std::move(object));
}

bool TSimpleWidgetCollection::AddItem(Ref<IObject> item) {
  Ref<IWidget> widget = QueryInterface<IWidget>(item);
  if (!widget) return false;
  Add(std::move(widget));
  return true;
}

void TSimpleWidgetCollection::InsertItem(int position, std::string_view name, Ref<IObject> item) {
  IWidget* widget = dynamic_cast<IWidget*>(item.get());
  if (!name.empty() && !Items().Contains(name)) {
    Items().Insert(position, name, std::move(item));
  } else {
    // A second widget of a name (or one without a name) must still be held:
    // it may already be attached to the group.
    int serial = Count();
    while (Items().Contains(UnnamedKey(serial))) ++serial;
    Items().Insert(position, UnnamedKey(serial), std::move(item));
  }
  widgets_.insert(widgets_.begin() + position, widget);
}

void TSimpleWidgetCollection::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return;
  Ref<IObject> leaving = *Items().GetAt(index);
  widgets_.erase(widgets_.begin() + index);
  Items().DeleteAt(index);
}

void TSimpleWidgetCollection::MoveChild(int from, int to) {
  Items().Move(from, to);
  IWidget* moved = widgets_[from];
  widgets_.erase(widgets_.begin() + from);
  widgets_.insert(widgets_.begin() + to, moved);
}

void TSimpleWidgetCollection::DeleteItem(const Variant& key) { RemoveAt(IndexOfKey(key)); }

void TSimpleWidgetCollection::ClearItems() {
  for (int i = Count() - 1; i >= 0; --i)
    if (i < Count()) DeleteItem(Variant(int32_t{i}));
}

// ---- TWidgetCollection ----

TWidgetCollection::~TWidgetCollection() {
  // Children may outlive the collection; none may keep a link to its owner.
  ClearOwner();
}

bool TWidgetCollection::Holds(const IWidget* widget) const {
  // While the collection has an owner every child is attached to it, so a
  // widget attached elsewhere is not one of them (no scan needed).
  if (owner_ && widget->GetOwner() != owner_) return false;
  for (int i = 0; i < Count(); ++i)
    if (ChildAt(i) == widget) return true;
  return false;
}

int TWidgetCollection::ZPlacement(int32_t z) const {
  for (int i = Count() - 1; i >= 0; --i)
    if (ZOf(ChildAt(i)) <= z) return i + 1;
  return 0;
}

void TWidgetCollection::Add(Ref<IWidget> widget) {
  // A group inside itself would be advanced and drawn without end.
  if (!widget || Holds(widget.get()) || IsOwnerOrAbove(owner_, widget.get())) return;
  modified_ = true;
  if (widget->GetOwner() != owner_) {
    if (widget->GetOwner()) DetachFromOwner(*widget);
    if (owner_) widget->SetOwner(owner_);
  }
  // Also while loading: the pass leaves the new subtree not yet advanced
  // this frame. It walks the subtree, so loading costs the tree's size times
  // its depth, which the nesting bound (persistence/load_nesting.h) keeps small.
  widget->UpdateDirtyRegion(false, true);
  redraw_needed_ = true;
  const int position = sorted_by_z_ ? ZPlacement(widget->GetZ()) : Count();
  const std::string name = widget->GetName();
  InsertItem(position, name, std::move(widget));
}

void TWidgetCollection::AddNamed(Ref<IObject> object, std::string_view name) {
  modified_ = true;
  TSimpleWidgetCollection::AddNamed(std::move(object), name);
}

void TWidgetCollection::DeleteItem(const Variant& key) { DeleteAt(IndexOfKey(key)); }

void TWidgetCollection::DeleteAt(int index) {
  if (index < 0 || index >= Count()) return;
  modified_ = true;
  Ref<IObject> item = *Items().GetAt(index);
  if (Ref<IWidget> child(ChildAt(index)); child && child->GetOwner()) {
    child->UpdateDirtyRegion(true, false);
    redraw_needed_ = true;
    child->ClearOwner();
  }
  // The child's own reactions may have reordered the list.
  if (index >= Count() || Items().GetAt(index)->get() != item.get()) {
    for (index = 0; index < Count() && Items().GetAt(index)->get() != item.get(); ++index) {
    }
  }
  RemoveAt(index);
}

void TWidgetCollection::SortByZ() {
  bool moved = true;
  while (moved) {
    moved = false;
    for (int i = 0; i + 1 < Count(); ++i) {
      if (ZOf(ChildAt(i + 1)) < ZOf(ChildAt(i))) {
        MoveChild(i + 1, i);
        moved = true;
      }
    }
  }
}

void TWidgetCollection::AdvanceAll(int32_t elapsed_ms) {
  redraw_needed_ = false;
  FlagScope iterating(iterating_);
  // A child added or removed by another child's advance restarts the scan;
  // the advanced flag keeps every child to one advance per frame.
  modified_ = true;
  while (modified_) {
    modified_ = false;
    for (int i = 0; i < Count(); ++i) {
      Ref<IWidget> child = GetWidgetAt(i);
      if (child && !child->IsPaused() && !child->IsDead() && !child->IsAdvanced()) child->Update(elapsed_ms);
    }
  }
}

void TWidgetCollection::RemoveDead() {
  for (int i = Count() - 1; i >= 0; --i) {
    if (i >= Count()) continue;
    Ref<IWidget> child = GetWidgetAt(i);
    if (!child || !child->IsDead()) continue;
    child->UpdateDirtyRegion(true, false);
    DeleteAt(i);
    redraw_needed_ = true;
  }
}

void TWidgetCollection::SetPropertyOnAll(std::string_view name, const Variant& value) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Ref<IWidget> child = GetWidgetAt(i)) child->SetProperty(name, value);
}

void TWidgetCollection::UpdateDirtyRegions(bool force_old, bool force_new) {
  for (int i = 0; i < Count(); ++i) {
    Ref<IWidget> child = GetWidgetAt(i);
    if (!child) continue;
    child->SetAdvanced(false);
    if (!child->IsVisible() && !child->WasVisible()) continue;
    child->UpdateDirtyRegion(force_old, force_new);
    redraw_needed_ = redraw_needed_ || child->IsInvalidated();
  }
}

void TWidgetCollection::SetOwner(IWidgetOwner* owner) {
  if (!owner) {
    ClearOwner();
    return;
  }
  owner_ = owner;
  for (int i = 0; i < Count(); ++i)
    if (Ref<IWidget> child = GetWidgetAt(i)) child->SetOwner(owner);
}

void TWidgetCollection::ClearOwner() {
  owner_ = nullptr;
  // A child without an owner has already let go of its own children, so a
  // tree is walked once, not once per level, when it is released.
  for (int i = Count() - 1; i >= 0; --i)
    if (Ref<IWidget> child = GetWidgetAt(i); child && child->GetOwner()) child->ClearOwner();
}

}  // namespace corvellane
