// empty_image.h: whether a child widget shows an image whose data is empty.
//
// Buttons with "check_images" hide themselves and sequences skip a step
// while a child names an image resource that has no pixels (a picture not
// yet downloaded or left out of a small build). The child's "resourcename"
// property is looked up in the engine's resources; loading a pending image
// happens on the way. Anything that is not an image resource passes.
//
//   if (ShowsEmptyImage(*child, GetEngine())) SetVisible(false);
#pragma once

#include "widgets/widget_interface.h"

namespace corvellane {

struct IEngine;

// False without an engine.
bool ShowsEmptyImage(IWidget& widget, IEngine* engine);

}  // namespace corvellane
