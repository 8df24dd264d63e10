// radio_group_control.h: TRadioGroupControl ("RadioGroupControl"), check
// boxes of which exactly one is ticked.
//
// The children are check boxes (check_box_control.h); the radio group is
// their event handler. A click on one ticks it, clears the others and
// reports event 9 (kWidgetEventRadioGroupChanged) to the group's own event
// handler; a click on the ticked one leaves it ticked. Other events of the
// children pass on unchanged. "RadioGroupItemIndex" reads and sets the
// ticked box by position (-1: none); attached, the group starts from the
// first box that is ticked in the data.
//
//   <widget type="RadioGroupControl" name="radio_difficulty" visible="yes" width="200" height="90">
//     <widgets>
//       <widget type="CheckBoxControl" name="check_easy" .../>
//       <widget type="CheckBoxControl" name="check_hard" .../>
//     </widgets>
//   </widget>
#pragma once

#include <cstdint>

#include "controls/control_widget.h"
#include "widgets/event_handler_interface.h"

namespace corvellane {

class TRadioGroupControl : public TControlWidget, public virtual IEventHandler {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;

  int32_t GetItemIndex() const { return item_index_; }
  // Ticks the box at that position and clears the others (all of them for
  // a position that holds no box).
  void SetItemIndex(int32_t index);

  // ---- The event handler of the check boxes ----
  IEventHandler* GetEventHandler() override { return this; }
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override;
  IEngine* GetEngine() override { return TControlWidget::GetEngine(); }
  IGameScreenOwner* GetScreenOwner() override;

 private:
  int32_t item_index_ = -1;
};

}  // namespace corvellane
