#include "persistence/property_table.h"

namespace corvellane {

const TPropertyRow* TPropertyTable::Find(std::string_view key) const {
  for (const TPropertyTable* table = this; table; table = table->parent_)
    for (const TPropertyRow& row : table->rows_)
      if (row.key == key) return &row;
  return nullptr;
}

bool TPropertyTable::IsNearest(const TPropertyTable& leaf, const TPropertyRow& row) const {
  return leaf.Find(row.key) == &row;
}

void TPropertyTable::Load(TPropertyObject& object, IHierStorage* node) const { LoadFrom(*this, object, node); }
void TPropertyTable::Save(TPropertyObject& object, IHierStorage* node) const { SaveFrom(*this, object, node); }

void TPropertyTable::LoadFrom(const TPropertyTable& leaf, TPropertyObject& object, IHierStorage* node) const {
  if (parent_) parent_->LoadFrom(leaf, object, node);
  for (const TPropertyRow& row : rows_)
    if (row.load && IsNearest(leaf, row)) row.load(object, node);
}

void TPropertyTable::SaveFrom(const TPropertyTable& leaf, TPropertyObject& object, IHierStorage* node) const {
  if (parent_) parent_->SaveFrom(leaf, object, node);
  for (const TPropertyRow& row : rows_)
    if (row.save && IsNearest(leaf, row)) row.save(object, node);
}

std::optional<Variant> TPropertyTable::Read(TPropertyObject& object, std::string_view key) const {
  const TPropertyRow* row = Find(key);
  if (!row || !row->get) return std::nullopt;
  return row->get(object);
}

bool TPropertyTable::Write(TPropertyObject& object, std::string_view key, const Variant& value) const {
  const TPropertyRow* row = Find(key);
  return row && row->set && row->set(object, value);
}

}  // namespace corvellane
