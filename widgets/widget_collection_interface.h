// widget_collection_interface.h: the collections through which groups hold children.
//
// ISimpleWidgetCollection is an ordered list of widgets addressable by index
// and by name. IWidgetCollection adds what a group needs each frame: z order
// (lower z first, drawn further back), attaching every child to the group,
// the advance pass with removal of dead children and the dirty pass.
//
//   Ref<IWidgetCollection> children = group->GetWidgets();
//   children->Add(button);               // attached, placed by z, redrawn
//   children->AdvanceAll(dt);            // each child once per frame
//   children->RemoveDead();
//   children->UpdateDirtyRegions(false, false);
#pragma once

#include <cstdint>
#include <string_view>

#include "persistence/object.h"
#include "persistence/ref.h"
#include "persistence/variant.h"

namespace corvellane {

struct IWidget;
struct IWidgetOwner;

struct ISimpleWidgetCollection : virtual ICollection {
  // Integer key: by index; text key: by name. None when absent.
  virtual Ref<IWidget> GetWidget(const Variant& key) = 0;
  virtual Ref<IWidget> GetWidgetAt(int index) = 0;
  virtual Ref<IWidget> GetWidgetByName(std::string_view name) = 0;
  virtual void Add(Ref<IWidget> widget) = 0;
  // Appends under the given name: no owner handling, no z placement.
  virtual void AddNamed(Ref<IObject> object, std::string_view name) = 0;
};

struct IWidgetCollection : virtual ISimpleWidgetCollection {
  virtual bool IsSortedByZ() const = 0;
  virtual void SetSortedByZ(bool sorted) = 0;
  virtual void SortByZ() = 0;
  virtual void AdvanceAll(int32_t elapsed_ms) = 0;
  virtual void RemoveDead() = 0;
  virtual void SetPropertyOnAll(std::string_view name, const Variant& value) = 0;
  virtual void UpdateDirtyRegions(bool force_old, bool force_new) = 0;
  virtual void SetOwner(IWidgetOwner* owner) = 0;
  virtual void ClearOwner() = 0;
  virtual bool IsRedrawNeeded() const = 0;
};

}  // namespace corvellane
