#include "controls/radio_group_control.h"

#include "persistence/property_table.h"

namespace corvellane {

namespace {

constexpr std::string_view kState = "CheckBoxState";

}  // namespace

const TPropertyTable& TRadioGroupControl::Properties() {
  using W = TRadioGroupControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties()).Int("RadioGroupItemIndex", &W::GetItemIndex, &W::SetItemIndex, -1).NameOnly();
  return table;
}

void TRadioGroupControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  int32_t ticked = -1;
  TWidgetCollection& boxes = Children();
  for (int i = 0; i < boxes.Count() && ticked < 0; ++i)
    if (Ref<IWidget> box = boxes.GetWidgetAt(i); box && box->GetProperty(kState).ToBool(false)) ticked = i;
  SetItemIndex(ticked);
}

void TRadioGroupControl::SetItemIndex(int32_t index) {
  item_index_ = index;
  TWidgetCollection& boxes = Children();
  for (int i = 0; i < boxes.Count(); ++i)
    if (Ref<IWidget> box = boxes.GetWidgetAt(i)) box->SetProperty(kState, Variant(i == index));
}

void TRadioGroupControl::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  IEventHandler* handler = OwnerEventHandler();
  if (code != kWidgetEventCheckBoxToggled || !sender) {
    if (handler) handler->HandleWidgetEvent(sender, code, value);
    return;
  }
  Ref<IWidget> keep_alive(static_cast<IWidget*>(this));
  TWidgetCollection& boxes = Children();
  for (int i = 0; i < boxes.Count(); ++i)
    if (boxes.GetWidgetAt(i).get() == sender) SetItemIndex(i);
  ReportEvent(kWidgetEventRadioGroupChanged);
}

IGameScreenOwner* TRadioGroupControl::GetScreenOwner() {
  IEventHandler* handler = OwnerEventHandler();
  return handler ? handler->GetScreenOwner() : nullptr;
}

}  // namespace corvellane
