#include "persistence/class_registry.h"

namespace corvellane {

// Parameters and parameter collections are created by their owners, never
// by a type name from a data file; leaving them unregistered keeps "type"
// out of the stored "params" and "param" elements.
void RegisterPersistenceClasses() {}

}  // namespace corvellane
