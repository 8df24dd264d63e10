#include "story_screens/game_menu_screen.h"

#include "records/record_value.h"
#include "story_screens/widget_ops.h"

namespace corvellane {

namespace {

constexpr std::string_view kQueryMainMenu = "GS_QueryMainMenu";
constexpr std::string_view kQueryRestart = "GS_QueryRestart";

}  // namespace

void TCorvellaneGameScreenMenu::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  SetWidgetProperty(FindWidget("current_level_caption").get(), "text_utf8",
                    Variant(ParamText(parameters, "text", "")));
}

void TCorvellaneGameScreenMenu::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (!sender || !GetScreenOwner()) return;
  const std::string name = sender->GetName();
  Ref<IParamCollection> result = MakeParams({{"Button", name}});
  if (name == "button_unpause") {
    CloseSelf(result);
  } else if (name == "button_main_menu") {
    Ask(kQueryMainMenu, result);
  } else if (name == "button_restart") {
    Ask(kQueryRestart, result);
  } else if (name == "button_options") {
    GetScreenOwner()->ShowScreen("GS_Options", nullptr);
  } else if (name == "button_rules") {
    GetScreenOwner()->ShowScreen("GS_HowToPlay", nullptr);
  }
}

void TCorvellaneGameScreenMenu::Ask(std::string_view question, Ref<IParamCollection> result) {
  if (!GetScreenOwner()->ShowScreen(question, nullptr)) CloseSelf(std::move(result));
}

void TCorvellaneGameScreenMenu::ChildClosed(std::string_view name, Ref<IParamCollection> result) {
  TGameScreen::ChildClosed(name, result);
  if (name != kQueryMainMenu && name != kQueryRestart) return;
  if (ParamText(result.get(), "Button", "") != "button_yes") return;
  result->SetNamedValue("Button", Variant(std::string(name)));
  CloseSelf(result);
}

bool TCorvellaneGameScreenMenu::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  if (DialogKeyOf(event) == TDialogKey::kCancel && !event.repeat) CloseSelf();
  return focused;
}

bool TCorvellaneGameScreenMenu::MouseEvent(const PlatformEvent& event) {
  const bool handled = TGameScreen::MouseEvent(event);
  // A click beside the menu dismisses it; one on its panel does not.
  if (!handled && !GetCapture() && event.type == EventType::MouseUp && !IsMouseGuarded()) {
    Ref<IWidget> under = WidgetAtPos(event.position);
    if (!under || !under->IsMouseStop() || under == GetWindowWidget()) CloseSelf();
  }
  return handled;
}

}  // namespace corvellane
