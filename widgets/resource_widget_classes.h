// resource_widget_classes.h: registers the widgets that show resources
// ("image_widget", "animation_widget", "sequence_animation_widget",
// "blink_widget", "text_widget", "sound_widget"). RegisterWidgetClasses
// calls it; nothing else needs to.
#pragma once

namespace corvellane {

void RegisterResourceWidgetClasses();

}  // namespace corvellane
