#include "controls/control_classes.h"

#include "controls/button_control.h"
#include "controls/control_widget.h"
#include "controls/label_control.h"
#include "controls/num_label_control.h"
#include "controls/sequence_control.h"
#include "persistence/class_registry.h"

namespace corvellane {

void RegisterControlClasses() {
  RegisterClass<TControlWidget>("Control");
  RegisterClass<TLabelControl>("LabelControl");
  RegisterClass<TNumLabelControl>("NumLabelControl");
  RegisterClass<TButtonControl>("ButtonControl");
  RegisterClass<TSequenceControl>("SequenceControl");
}

}  // namespace corvellane
