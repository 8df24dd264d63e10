#include "widgets/resource_widget_classes.h"

#include "persistence/class_registry.h"
#include "widgets/animation_widget.h"
#include "widgets/blink_widget.h"
#include "widgets/image_widget.h"
#include "widgets/sequence_animation_widget.h"
#include "widgets/sound_widget.h"
#include "widgets/text_widget.h"

namespace corvellane {

void RegisterResourceWidgetClasses() {
  RegisterClass<TImageWidget>("image_widget");
  RegisterClass<TAnimationWidget>("animation_widget");
  RegisterClass<TSequenceAnimationWidget>("sequence_animation_widget");
  RegisterClass<TBlinkWidget>("blink_widget");
  RegisterClass<TTextWidget>("text_widget");
  RegisterClass<TSoundWidget>("sound_widget");
}

}  // namespace corvellane
