// list_box_interface.h: IListBoxControl, a list box as screens fill and read it.
//
//   Ref<IListBoxControl> list = QueryInterface<IListBoxControl>(FindWidget("listbox_profiles"));
//   list->AddItem("Ann", "");           // an automatic key
//   list->SetSelected(0);
//   std::string chosen = list->GetItem(Variant(list->GetSelected()));
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/variant.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct IListBoxControl : virtual IWidget {
  // Key: a position (integer) or an item key (text); empty when absent.
  virtual std::string GetItem(const Variant& key) = 0;
  // Appended; an empty key gets an automatic one. False (nothing added)
  // when the key is taken.
  virtual bool AddItem(std::string_view text, std::string_view key) = 0;
  // A key that names no item deletes nothing.
  virtual void DeleteItem(const Variant& key) = 0;
  // No item and no selection (-1) afterwards.
  virtual void Clear() = 0;
  // 0 .. count - 1, or -1 with an empty list; anything else is ignored.
  virtual void SetSelected(int32_t index) = 0;
  virtual int32_t GetSelected() const = 0;
  virtual int32_t GetItemCount() const = 0;
};

}  // namespace corvellane
