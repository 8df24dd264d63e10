#include "screens/quit_screen.h"

#include "engine/engine_interface.h"

namespace corvellane {

void TGameScreenQuit::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (code != kWidgetEventClick || !sender) return;
  const std::string name = sender->GetName();
  if (name == "button_exit") Leave();
  else if (name == "button_cancel") CloseSelf();
}

void TGameScreenQuit::Leave() {
  if (IEngine* engine = GetEngine()) engine->Quit();
}

bool TGameScreenQuit::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  switch (DialogKeyOf(event)) {
    case TDialogKey::kOk: Leave(); return true;
    case TDialogKey::kCancel: CloseSelf(); return true;
    case TDialogKey::kNone: break;
  }
  return focused;
}

}  // namespace corvellane
