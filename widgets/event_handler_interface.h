// event_handler_interface.h: IEventHandler, where controls report what the player did.
//
// A control finds its handler through GetEventHandler of its owner chain:
// normally the game screen, or a container control (list box, radio group)
// that handles its own child buttons.
//
//   if (IEventHandler* handler = owner->GetEventHandler())
//     handler->HandleWidgetEvent(this, kWidgetEventClick, Variant());
#pragma once

#include <cstdint>

#include "persistence/object.h"
#include "persistence/variant.h"

namespace corvellane {

struct IEngine;
struct IGameScreenOwner;
struct IWidget;

// The numbered widget events.
enum WidgetEvent : int32_t {
  kWidgetEventClick = 1,
  kWidgetEventCheckBoxToggled = 2,
  kWidgetEventTrackBarMoved = 3,
  kWidgetEventCharTyped = 4,
  kWidgetEventListItemSelected = 5,
  kWidgetEventListItemDoubleClicked = 6,
  kWidgetEventTextFinished = 7,
  kWidgetEventTextClickedAfterFinish = 8,
  kWidgetEventRadioGroupChanged = 9,
  kWidgetEventSequencePastLastStep = 10,
};

struct IEventHandler : virtual IObject {
  virtual void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) = 0;
  virtual IEngine* GetEngine() = 0;
  // The game as screens see it (showing and closing screens); a plain link.
  virtual IGameScreenOwner* GetScreenOwner() = 0;
};

}  // namespace corvellane
