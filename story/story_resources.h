// story_resources.h: letting go of the resources a scene or a category
// brought in.
//
// A definition list removes its resources by its group name, but the
// resource manager takes an empty group name for every resource of the game.
// A list without a group therefore removes the resources of its own
// definitions, one by one:
//
//   RemoveListedResources(*defs);   // nothing else goes
#pragma once

#include "engine/resource_definition.h"

namespace corvellane {

// Removes what the attached list loaded; nothing without an engine.
void RemoveListedResources(IResourceDefCollection& defs);

}  // namespace corvellane
