#include "widgets/widget_classes.h"

#include "persistence/class_registry.h"

namespace corvellane {

// The base classes of this folder are not created from data by themselves;
// the containers and concrete widgets register their type names here.
void RegisterWidgetClasses() {}

}  // namespace corvellane
