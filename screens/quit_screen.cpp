#include "screens/quit_screen.h"

#include "engine/engine_interface.h"

namespace corvellane {

void TGameScreenQuit::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (code != kWidgetEventClick || !sender) return;
  const std::string name = sender->GetName();
  if (name == "button_exit") {
    if (IEngine* engine = GetEngine()) engine->Quit();
  } else if (name == "button_cancel" && GetScreenOwner()) {
    GetScreenOwner()->CloseScreen(this, nullptr);
  }
}

}  // namespace corvellane
