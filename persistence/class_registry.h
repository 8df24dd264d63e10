// class_registry.h: the registry of data-creatable classes, type name -> class.
//
// Data files name the class of an object by its type name; the registry maps
// that name (compared without regard to letter case) to a factory. Each
// subsystem exposes a Register<Subsystem>Classes() function that the program
// calls at start-up, before any data file is read; there is no registration
// from static initialisers (static libraries would drop them).
//
//   RegisterClass<TSinFunction>("function_sin");
//   Ref<TAbstractObject> f = CreateByType("FUNCTION_SIN{name=a}");
//   TypeNameOf(typeid(TSinFunction));   // "function_sin"
//
// A type string is a type name, optionally followed directly by "{", a
// parameter string (param_string.h) and a closing "}"; the parameters are
// applied through SetParam after Init. One class may be registered under
// several names: TypeNameOf answers the first one registered, and saving
// writes that one.
#pragma once

#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>

#include "persistence/object.h"
#include "persistence/ref.h"

namespace corvellane {

// Constructs an object of one class (no Init, no parameters).
using ObjectFactory = Ref<TAbstractObject> (*)();

struct ClassEntry {
  std::string type_name;
  std::type_index cls;
  ObjectFactory construct;
};

// Registering the same class again under a name it already has does nothing;
// registering a different class under a taken name raises EElHashListError
// ("Duplicate entry.").
void RegisterClass(std::string_view type_name, std::type_index cls, ObjectFactory construct);

template <class T>
void RegisterClass(std::string_view type_name) {
  RegisterClass(type_name, typeid(T), [] { return Ref<TAbstractObject>(new T()); });
}

// The entry of a type name (without parameters), or none.
const ClassEntry* FindClass(std::string_view type_name);
// The first type name registered for the class; empty when none.
std::string TypeNameOf(std::type_index cls);
// A new object of the class the type string names, after Init and its
// parameters; none for an unknown type name.
Ref<TAbstractObject> CreateByType(std::string_view type_string);
// Empties the registry (program end, tests).
void ClearClassRegistry();

// The classes of the persistence subsystem itself.
void RegisterPersistenceClasses();

}  // namespace corvellane
