#include "controls/control_classes.h"

#include "controls/button_control.h"
#include "controls/check_box_control.h"
#include "controls/control_widget.h"
#include "controls/edit_control.h"
#include "controls/label_control.h"
#include "controls/list_box_control.h"
#include "controls/num_label_control.h"
#include "controls/progress_bar_control.h"
#include "controls/radio_group_control.h"
#include "controls/sequence_control.h"
#include "controls/text_vizualization_control.h"
#include "controls/track_bar_control.h"
#include "persistence/class_registry.h"

namespace corvellane {

void RegisterControlClasses() {
  RegisterClass<TControlWidget>("Control");
  RegisterClass<TLabelControl>("LabelControl");
  RegisterClass<TNumLabelControl>("NumLabelControl");
  RegisterClass<TButtonControl>("ButtonControl");
  RegisterClass<TSequenceControl>("SequenceControl");
  RegisterClass<TCheckBoxControl>("CheckBoxControl");
  RegisterClass<TEditControl>("EditControl");
  RegisterClass<TListBoxControl>("ListBoxControl");
  RegisterClass<TTrackBarControl>("TrackBarControl");
  RegisterClass<TProgressBarControl>("ProgressBarControl");
  RegisterClass<TRadioGroupControl>("RadioGroupControl");
  RegisterClass<TControlTextVizualization>("control_text_vizualization");
}

}  // namespace corvellane
