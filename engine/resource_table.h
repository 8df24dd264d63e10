// resource_table.h: the engine's loaded resources, by name and owner.
//
// Every resource the engine creates from a definition is filed here under
// its name (compared exactly, as definitions are) and the owner name it was
// loaded for: a screen, a scene or a resource file. Owners remove their
// resources as a group when they go.
//
//   TResourceTable table;
//   table.Add("bg", "Scene3", object);
//   table.Contains("bg");          // true; "BG" is another name
//   table.RemoveOwner("Scene3");   // empty owner: everything
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persistence/object.h"
#include "persistence/ref.h"

namespace corvellane {

class TResourceTable {
 public:
  // False (nothing changes) when the name is taken.
  bool Add(std::string_view name, std::string_view owner, Ref<TAbstractObject> object);
  bool Contains(std::string_view name) const;
  // The object of that name, or none.
  Ref<TAbstractObject> Find(std::string_view name) const;
  void Remove(std::string_view name);
  // The owner's resources; every resource when the owner is empty.
  void RemoveOwner(std::string_view owner);
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  struct Entry {
    std::string name;
    std::string owner;
    Ref<TAbstractObject> object;
  };
  std::vector<Entry> entries_;
};

}  // namespace corvellane
