#include "story_screens/new_user_screen.h"

#include "controls/unicode_text.h"
#include "persistence/localization.h"
#include "persistence/object_io.h"
#include "records/game_records_interface.h"
#include "story_screens/widget_ops.h"

namespace corvellane {

namespace {

constexpr std::string_view kNotUniqueScreen = "GS_QueryNotUniqueName";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

void TGameScreenNewUser::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  cancel_allowed_ = !parameters || !parameters->GetParam(Variant("Necessary"));
  if (Ref<IWidget> cancel = FindWidget("button_cancel")) cancel->SetEnabled(cancel_allowed_);
  std::string name;
  if (Ref<IParam> given = parameters ? parameters->GetParam(Variant("user_name")) : nullptr)
    name = given->GetParamValue().ToText();
  if (Ref<IWidget> edit = FindWidget("edit_name")) edit->SetProperty("text_utf8", Variant(name));
  SetTypedName(std::move(name));
}

void TGameScreenNewUser::SetTypedName(std::string name) {
  typed_name_ = std::move(name);
  if (Ref<IWidget> ok = FindWidget("button_ok")) ok->SetEnabled(!Candidate().empty());
}

std::string TGameScreenNewUser::Candidate() const {
  std::string_view name = typed_name_;
  while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
  while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
  return std::string(name);
}

bool TGameScreenNewUser::IsTaken(std::string_view name) {
  Ref<IGameRecords> records = QueryInterface<IGameRecords>(GetScreenOwner());
  Ref<IUserProfileCollection> profiles = records ? records->GetUserProfiles() : nullptr;
  if (!profiles) return false;
  for (int i = 0; i < profiles->Count(); ++i)
    if (Ref<IUserProfile> profile = profiles->GetProfile(Variant(i)); profile && SameIgnoringCase(profile->GetName(), name))
      return true;
  return false;
}

void TGameScreenNewUser::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (!sender) return;
  const std::string name = sender->GetName();
  if (name == "button_ok" && code == kWidgetEventClick) Accept();
  else if (name == "button_cancel" && code == kWidgetEventClick) Cancel();
  else if (name == "edit_name" && code == kWidgetEventCharTyped) SetTypedName(sender->GetProperty("text_utf8").ToText());
}

bool TGameScreenNewUser::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  switch (DialogKeyOf(event)) {
    case TDialogKey::kOk: Accept(); return true;
    case TDialogKey::kCancel: Cancel(); return true;
    case TDialogKey::kNone: return focused;
  }
  return focused;
}

void TGameScreenNewUser::Accept() {
  const std::string name = Candidate();
  if (name.empty() || IsClosing()) return;
  if (IsTaken(name)) {
    if (GetScreenOwner())
      GetScreenOwner()->ShowScreen(kNotUniqueScreen, MakeParams({{"text_user_name", Variant(LiteralText(name))}}));
    return;
  }
  CloseSelf(MakeParams({{"user_name", Variant(name)}}));
}

void TGameScreenNewUser::Cancel() {
  if (cancel_allowed_) CloseSelf();
}

}  // namespace corvellane
