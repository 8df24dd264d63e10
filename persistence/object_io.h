// object_io.h: creating objects and moving them in and out of storage nodes.
//
// Creation always runs the same three steps: construct, Init, then SetParam
// for every key=value pair of the parameter string, in text order.
//
//   auto params = CreateObject<TParamCollection>("\\a=1\\b={x\\y}");
//   Ref<TAbstractObject> w = CreateNamed("image_widget", "logo");
//   Ref<TAbstractObject> o = CreateFromChild(node, "widget", 0);
//   SaveChild(o.get(), node, "");        // element named by GetStorageName
//
// Everything here fails quietly: an unknown type, a missing child or an
// object that cannot be stored gives none or false.
#pragma once

#include <string_view>

#include "persistence/class_registry.h"
#include "persistence/object.h"
#include "persistence/ref.h"
#include "persistence/storage.h"

namespace corvellane {

// Init, then SetParam per pair of the parameter string.
void InitObject(TAbstractObject& object, std::string_view params);

template <class T>
Ref<T> CreateObject(std::string_view params = {}) {
  Ref<T> object = MakeRef<T>();
  InitObject(*object, params);
  return object;
}
Ref<TAbstractObject> CreateObject(const ClassEntry& cls, std::string_view params = {});

// CreateByType; a non-empty name is given to an object that has one.
Ref<TAbstractObject> CreateNamed(std::string_view type_string, std::string_view name);
// CreateNamed with the node's "type" and "name", not yet loaded; a missing
// or unknown type is logged against the node and gives none.
Ref<TAbstractObject> CreateFromNodeType(IHierStorage* node);

// LoadFrom / SaveTo when the object is IPersistable; false otherwise.
bool LoadObject(IObject* object, IHierStorage* node);
bool SaveObject(IObject* object, IHierStorage* node);

// Loads the object from child `index` of that element name (empty: the
// object's storage name); false when there is no such child.
bool LoadChild(IObject* object, IHierStorage* node, std::string_view element, int index = 0);

// Adds a child element (empty name: the object's storage name) and saves the
// object into it. An object that is not to be stored writes nothing and
// answers true; false when the object cannot be stored or has no element name.
bool SaveChild(IObject* object, IHierStorage* node, std::string_view element);

// A new T loaded from a child; none when there is no such child.
template <class T>
Ref<T> CreateAndLoadChild(IHierStorage* node, std::string_view element, int index = 0) {
  if (!node) return nullptr;
  if (!element.empty() && index >= node->GetChildCount(element)) return nullptr;
  Ref<T> object = CreateObject<T>();
  if (!LoadChild(object.get(), node, element, index)) return nullptr;
  return object;
}

// The object a node describes: its "type" creates it, its "name" names it,
// then it loads from the node. None for an unknown type.
Ref<TAbstractObject> CreateFromStorage(IHierStorage* node);
Ref<TAbstractObject> CreateFromChild(IHierStorage* node, std::string_view element, int index = 0);

}  // namespace corvellane
