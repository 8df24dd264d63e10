#include "controls/sequence_control.h"

#include "controls/empty_image.h"
#include "controls/role_images.h"
#include "persistence/property_table.h"
#include "widgets/event_handler_interface.h"

namespace corvellane {

const TPropertyTable& TSequenceControl::Properties() {
  using W = TSequenceControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties()).Int("step_duration_time", &W::step_duration_, 0, Table::Always());
  return table;
}

void TSequenceControl::LoadProperties(IHierStorage* node) {
  TControlWidget::LoadProperties(node);
  // Nothing shows before the first step.
  TWidgetCollection& children = Children();
  for (int i = 0; i < children.Count(); ++i)
    if (Ref<IWidget> child = children.GetWidgetAt(i)) ShowWidget(*child, false);
}

void TSequenceControl::Advance(int32_t elapsed_ms) {
  TControlWidget::Advance(elapsed_ms);
  if (current_step_ < 0 && GetCurrentTime() >= 0) ShowStep(0);
  if (Children().Count() > 0 && step_duration_ > 0 && GetCurrentTime() >= step_duration_)
    ShowStep(current_step_ + 1);
}

bool TSequenceControl::MouseDown(TPoint point, uint32_t keys, TMouseButton button) {
  const bool handled = TControlWidget::MouseDown(point, keys, button);
  ShowStep(current_step_ + 1);
  return handled;
}

void TSequenceControl::ShowStep(int32_t step) {
  TWidgetCollection& children = Children();
  IEngine* engine = GetEngine();
  // Empty pictures are passed over; the loop ends at a shown step or past
  // the last one.
  for (; step < children.Count(); ++step) {
    if (step == current_step_) return;
    if (Ref<IWidget> current = children.GetWidgetAt(current_step_)) ShowWidget(*current, false);
    current_step_ = step;
    Ref<IWidget> next = children.GetWidgetAt(step);
    if (!next) return;
    if (ShowsEmptyImage(*next, engine)) continue;
    SetCurrentTime(0);
    next->SetVisible(true);
    next->Restart();
    return;
  }
  ReportEvent(kWidgetEventSequencePastLastStep);
}

}  // namespace corvellane
