#include "screens/query_dialog.h"

#include "persistence/localization.h"
#include "persistence/object_io.h"

namespace corvellane {

// --- The question ---------------------------------------------------------------

void TGameScreenQueryDialog::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  for (int i = 0; parameters && i < parameters->Count(); ++i) {
    Ref<IParam> param = parameters->GetParam(Variant(i));
    if (Ref<IWidget> widget = param ? FindWidget(param->GetName()) : nullptr)
      widget->SetProperty("text_utf8", Variant(param->GetParamValue().ToText()));
  }
}

void TGameScreenQueryDialog::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (code == kWidgetEventClick && sender) Answer(sender->GetName());
}

void TGameScreenQueryDialog::Answer(std::string_view button) {
  Ref<TParamCollection> result = CreateObject<TParamCollection>();
  result->SetNamedValue("Button", Variant(button));
  CloseSelf(result);
}

bool TGameScreenQueryDialog::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  std::string button;
  switch (DialogKeyOf(event)) {
    case TDialogKey::kOk: button = FirstButton({"button_yes", "button_ok"}); break;
    case TDialogKey::kCancel: button = FirstButton({"button_no", "button_cancel", "button_ok"}); break;
    case TDialogKey::kNone: return focused;
  }
  if (button.empty()) return focused;
  Answer(button);
  return true;
}

std::string TGameScreenQueryDialog::FirstButton(std::initializer_list<std::string_view> names) {
  for (std::string_view name : names)
    if (Ref<IWidget> button = FindWidget(name); button && button->IsEnabled() && button->IsVisible())
      return std::string(name);
  return {};
}

// --- Deleting a profile ----------------------------------------------------------

void TGameScreenQueryDeleteProfile::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreenQueryDialog::ApplyOpenParams(parameters);
  Ref<IWidget> label = FindWidget("label_user_profile_name");
  if (!label) return;
  label->SetProperty("text", Variant(std::string()));
  if (Ref<IParam> name = parameters ? parameters->GetParam(Variant("user_name")) : nullptr)
    label->SetProperty("text_utf8", Variant(LiteralText(name->GetParamValue().ToText())));
}

}  // namespace corvellane
