#include "persistence/class_registry.h"

#include "persistence/el_hash_list.h"
#include "persistence/object_io.h"

namespace corvellane {

namespace {

TElHashList<ClassEntry>& Registry() {
  static TElHashList<ClassEntry> registry;
  return registry;
}

struct TypeString {
  std::string_view type_name;
  std::string_view params;
};

// "name{params}" -> (name, params). The character after the parameters is
// dropped without being looked at, the way data files have always been read.
TypeString SplitTypeString(std::string_view text) {
  size_t brace = text.find('{');
  if (brace == std::string_view::npos) return {text, {}};
  std::string_view rest = text.substr(brace + 1);
  if (!rest.empty()) rest.remove_suffix(1);
  return {text.substr(0, brace), rest};
}

}  // namespace

void RegisterClass(std::string_view type_name, std::type_index cls, ObjectFactory construct) {
  if (const ClassEntry* existing = FindClass(type_name); existing && existing->cls == cls) return;
  Registry().Add(type_name, ClassEntry{std::string(type_name), cls, construct});
}

const ClassEntry* FindClass(std::string_view type_name) { return Registry().Find(type_name); }

std::string TypeNameOf(std::type_index cls) {
  const auto& registry = Registry();
  for (int i = 0; i < registry.Count(); ++i)
    if (registry.At(i)->cls == cls) return registry.At(i)->type_name;
  return {};
}

Ref<TAbstractObject> CreateByType(std::string_view type_string) {
  TypeString parts = SplitTypeString(type_string);
  const ClassEntry* entry = FindClass(parts.type_name);
  if (!entry) return nullptr;
  return CreateObject(*entry, parts.params);
}

void ClearClassRegistry() { Registry().Clear(); }

}  // namespace corvellane
