#include "controls/sequence_control.h"

#include "controls/empty_image.h"
#include "controls/role_images.h"
#include "persistence/value_access.h"
#include "widgets/event_handler_interface.h"

namespace corvellane {

void TSequenceControl::LoadProperties(IHierStorage* node) {
  TControlWidget::LoadProperties(node);
  step_duration_ = ReadInt(node, "step_duration_time", 0);
  // Nothing shows before the first step.
  TWidgetCollection& children = Children();
  for (int i = 0; i < children.Count(); ++i)
    if (Ref<IWidget> child = children.GetWidgetAt(i)) ShowWidget(*child, false);
}

void TSequenceControl::SaveProperties(IHierStorage* node) {
  TControlWidget::SaveProperties(node);
  WriteInt(node, "step_duration_time", step_duration_, true);
}

std::optional<Variant> TSequenceControl::ReadDynamicProperty(std::string_view name) {
  if (name == "step_duration_time") return Variant(step_duration_);
  return TControlWidget::ReadDynamicProperty(name);
}

bool TSequenceControl::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name == "step_duration_time") {
    step_duration_ = value.ToInt(step_duration_);
    return true;
  }
  return TControlWidget::WriteDynamicProperty(name, value);
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
