#include "engine/resource_table.h"

#include <algorithm>

namespace corvellane {

bool TResourceTable::Add(std::string_view name, std::string_view owner, Ref<TAbstractObject> object) {
  if (Contains(name)) return false;
  entries_.push_back({std::string(name), std::string(owner), std::move(object)});
  return true;
}

bool TResourceTable::Contains(std::string_view name) const { return Find(name) != nullptr; }

Ref<TAbstractObject> TResourceTable::Find(std::string_view name) const {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
  return it == entries_.end() ? nullptr : it->object;
}

void TResourceTable::Remove(std::string_view name) {
  std::erase_if(entries_, [&](const Entry& e) { return e.name == name; });
}

void TResourceTable::RemoveOwner(std::string_view owner) {
  // Taken out first: a resource's destructor may call back into the engine.
  std::vector<Entry> removed;
  auto keep = std::stable_partition(entries_.begin(), entries_.end(),
                                    [&](const Entry& e) { return !owner.empty() && e.owner != owner; });
  std::move(keep, entries_.end(), std::back_inserter(removed));
  entries_.erase(keep, entries_.end());
}

}  // namespace corvellane
