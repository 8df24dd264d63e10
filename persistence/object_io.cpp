#include "persistence/object_io.h"

#include "persistence/log.h"
#include "persistence/param_string.h"
#include "persistence/value_access.h"

namespace corvellane {

void InitObject(TAbstractObject& object, std::string_view params) {
  object.Init();
  for (const ParamPair& pair : ParseParamString(params)) object.SetParam(pair.key, pair.value);
}

Ref<TAbstractObject> CreateObject(const ClassEntry& cls, std::string_view params) {
  Ref<TAbstractObject> object = cls.construct();
  if (object) InitObject(*object, params);
  return object;
}

Ref<TAbstractObject> CreateNamed(std::string_view type_string, std::string_view name) {
  Ref<TAbstractObject> object = CreateByType(type_string);
  if (!name.empty())
    if (auto* named = dynamic_cast<INamedObject*>(object.get())) named->SetName(name);
  return object;
}

Ref<TAbstractObject> CreateFromNodeType(IHierStorage* node) {
  const std::string type = ReadText(node, "type");
  Ref<TAbstractObject> object = CreateNamed(type, ReadText(node, "name"));
  if (!object && node)
    LogDataWarning(node, type.empty() ? "has no \"type\"; skipped" : "unknown type \"" + type + "\"; skipped");
  return object;
}

bool LoadObject(IObject* object, IHierStorage* node) {
  auto* persistable = dynamic_cast<IPersistable*>(object);
  if (!persistable) return false;
  persistable->LoadFrom(node);
  return true;
}

bool SaveObject(IObject* object, IHierStorage* node) {
  auto* persistable = dynamic_cast<IPersistable*>(object);
  if (!persistable) return false;
  persistable->SaveTo(node);
  return true;
}

bool LoadChild(IObject* object, IHierStorage* node, std::string_view element, int index) {
  auto* persistable = dynamic_cast<IPersistable*>(object);
  if (!persistable || !node || index < 0) return false;
  std::string name = element.empty() ? persistable->GetStorageName() : std::string(element);
  if (index >= node->GetChildCount(name)) return false;
  Ref<IHierStorage> child = node->GetChild(name, index);
  if (!child) return false;
  persistable->LoadFrom(child.get());
  return true;
}

bool SaveChild(IObject* object, IHierStorage* node, std::string_view element) {
  auto* persistable = dynamic_cast<IPersistable*>(object);
  if (!persistable || !node) return false;
  std::string name = element.empty() ? persistable->GetStorageName() : std::string(element);
  if (name.empty()) return false;
  if (auto* persist_object = dynamic_cast<IPersistObject*>(object); persist_object && !persist_object->IsStored())
    return true;
  Ref<IHierStorage> child = node->AddChild(name);
  persistable->SaveTo(child.get());
  return true;
}

Ref<TAbstractObject> CreateFromStorage(IHierStorage* node) {
  if (!node) return nullptr;
  Ref<TAbstractObject> object = CreateFromNodeType(node);
  if (!object || !LoadObject(object.get(), node)) return nullptr;
  return object;
}

Ref<TAbstractObject> CreateFromChild(IHierStorage* node, std::string_view element, int index) {
  if (!node || index < 0 || index >= node->GetChildCount(element)) return nullptr;
  Ref<IHierStorage> child = node->GetChild(element, index);
  return CreateFromStorage(child.get());
}

}  // namespace corvellane
