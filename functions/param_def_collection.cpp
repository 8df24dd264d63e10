#include "functions/param_def_collection.h"

#include <algorithm>

#include "persistence/object_io.h"
#include "persistence/value_access.h"

namespace corvellane {

void TParamDefCollection::Init() {
  TPersistCollection::Init();
  SetStorageName("paramdefs");
  SetItemElementName("paramdef");
}

void TParamDefCollection::LoadItem(IHierStorage* child) {
  if (Ref<IParamDef> present = GetDefAtCell(ReadInt(child, "col", 0), ReadInt(child, "row", -1))) {
    ReloadInPlace(present, child);
    return;
  }
  Ref<TParamDef> def = CreateObject<TParamDef>();
  def->LoadFrom(child);
  AddDef(def);
}

// The reloaded definition may bring a new name; it is filed under that name
// (at the same position) so that lookups by name find it. A name another
// definition holds leaves it under its old key.
void TParamDefCollection::ReloadInPlace(const Ref<IParamDef>& def, IHierStorage* child) {
  const int position = IndexOfItem(def);
  LoadObject(def.get(), child);
  DropIndex();
  const std::string name = def->GetName();
  if (position < 0 || name.empty() || Items().Contains(name)) return;
  Ref<IObject> item = *Items().GetAt(position);
  Items().DeleteAt(position);
  Items().Insert(position, name, item);
}

int TParamDefCollection::IndexOfItem(const Ref<IParamDef>& def) {
  for (int i = 0; i < Count(); ++i)
    if (GetDefAt(i) == def) return i;
  return -1;
}

bool TParamDefCollection::SaveItem(IObject* item, IHierStorage* child) {
  return SaveObject(item, child);
}

void TParamDefCollection::DeleteItem(const Variant& key) {
  DropIndex();
  TPersistCollection::DeleteItem(key);
}

void TParamDefCollection::ClearItems() {
  DropIndex();
  TPersistCollection::ClearItems();
}

Ref<IParamDef> TParamDefCollection::GetDef(const Variant& key) { return GetItemAs<IParamDef>(key); }

Ref<IParamDef> TParamDefCollection::GetDefByName(std::string_view name) {
  return GetDef(Variant(name));
}

bool TParamDefCollection::AddDef(Ref<IParamDef> def) {
  if (!def || GetDefAtCell(def->GetCol(), def->GetRow())) return false;
  if (def->GetRow() == -1) def->SetRow(ColumnLength(def->GetCol()));
  const std::string name = def->GetName();
  if (name.empty())
    Items().AddAutomatic(def);
  else if (!Items().Add(name, def))
    return false;
  DropIndex();
  return true;
}

bool TParamDefCollection::InBounds(const IParamDef& def) {
  return def.GetCol() >= 0 && def.GetCol() < kMaxParamColumns && def.GetRow() >= 0 &&
         def.GetRow() < kMaxParamRows;
}

const TParamDefCollection::Index& TParamDefCollection::GetIndex() {
  if (index_valid_) return index_;
  index_.cells.clear();
  for (int i = 0; i < Count(); ++i) {
    Ref<IParamDef> def = GetDefAt(i);
    if (!def || !InBounds(*def)) continue;
    const auto col = static_cast<size_t>(def->GetCol());
    const auto row = static_cast<size_t>(def->GetRow());
    if (index_.cells.size() <= col) index_.cells.resize(col + 1);
    auto& column = index_.cells[col];
    if (column.size() <= row) column.resize(row + 1);
    // Two definitions moved onto one cell after they were added: the first stays.
    if (!column[row]) column[row] = def;
  }
  index_valid_ = true;
  return index_;
}

Ref<IParamDef> TParamDefCollection::GetDefAtCell(int col, int row) {
  const Index& index = GetIndex();
  if (col < 0 || row < 0 || static_cast<size_t>(col) >= index.cells.size()) return nullptr;
  const auto& column = index.cells[col];
  return static_cast<size_t>(row) < column.size() ? column[row] : nullptr;
}

int TParamDefCollection::ColumnCount() { return static_cast<int>(GetIndex().cells.size()); }

int TParamDefCollection::ColumnLength(int col) {
  const Index& index = GetIndex();
  if (col < 0 || static_cast<size_t>(col) >= index.cells.size()) return 0;
  return static_cast<int>(index.cells[col].size());
}

}  // namespace corvellane
