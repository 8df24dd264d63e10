#include "story_screens/user_profiles_screen.h"

#include "persistence/localization.h"
#include "persistence/object_io.h"
#include "persistence/value_access.h"
#include "records/game_records_interface.h"
#include "story_screens/widget_ops.h"

namespace corvellane {

namespace {

constexpr std::string_view kNewUserScreen = "GS_NewUser";
constexpr std::string_view kDeleteScreen = "GS_QueryDeleteProfile";
constexpr std::string_view kCreateItemKey = "add_create_new_user_name_listitem";

}  // namespace

// ---- Data ----

void TGameScreenUserProfiles::LoadProperties(IHierStorage* node) {
  TGameScreen::LoadProperties(node);
  show_create_item_ = ReadBool(node, kCreateItemKey, true);
}

void TGameScreenUserProfiles::SaveProperties(IHierStorage* node) {
  TGameScreen::SaveProperties(node);
  WriteBool(node, kCreateItemKey, show_create_item_, !show_create_item_);
}

void TGameScreenUserProfiles::SetOwner(IGameScreenOwner* owner) {
  TGameScreen::SetOwner(owner);
  list_ = QueryInterface<IListBoxControl>(FindWidget("listbox_profiles"));
  first_profile_row_ = show_create_item_ ? 1 : 0;
}

void TGameScreenUserProfiles::ClearOwner() {
  list_ = nullptr;
  TGameScreen::ClearOwner();
}

Ref<IUserProfileCollection> TGameScreenUserProfiles::Profiles() {
  Ref<IGameRecords> records = QueryInterface<IGameRecords>(GetScreenOwner());
  return records ? records->GetUserProfiles() : nullptr;
}

// ---- Opening and closing ----

void TGameScreenUserProfiles::ApplyOpenParams(IParamCollection* parameters) {
  TGameScreen::ApplyOpenParams(parameters);
  Ref<IUserProfileCollection> profiles = Profiles();
  if (!list_) return;
  list_->Clear();
  if (show_create_item_) list_->AddItem(Localize("%CreateNewUser%"), "");
  selected_name_.clear();
  if (!profiles) return;
  if (Ref<IUserProfile> current = profiles->GetCurrentProfile()) selected_name_ = current->GetName();
  for (int i = 0; i < profiles->Count(); ++i) {
    Ref<IUserProfile> profile = profiles->GetProfile(Variant(i));
    if (!profile) continue;
    list_->AddItem(profile->GetName(), "");
    if (profile->GetName() == selected_name_) list_->SetSelected(list_->GetItemCount() - 1);
  }
}

void TGameScreenUserProfiles::Close() {
  TGameScreen::Close();
  if (list_) list_->Clear();
}

bool TGameScreenUserProfiles::IsProfileRow(int32_t row) const {
  return row >= first_profile_row_ && list_ && row < list_->GetItemCount();
}

// ---- The player's choices ----

void TGameScreenUserProfiles::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (!sender) return;
  const std::string name = sender->GetName();
  if (name == "listbox_profiles") OnListEvent(code);
  if (code != kWidgetEventClick) return;
  if (name == "button_ok") Confirm(TConfirm::kSelect);
  else if (name == "button_cancel") Confirm(TConfirm::kKeep);
  else if (name == "button_create" && GetScreenOwner()) GetScreenOwner()->ShowScreen(kNewUserScreen, nullptr);
  else if (name == "button_delete") AskToDelete();
}

void TGameScreenUserProfiles::OnListEvent(int32_t code) {
  if (!list_) return;
  const int32_t row = list_->GetSelected();
  if (code == kWidgetEventListItemSelected) {
    if (show_create_item_ && row == 0) {
      if (GetScreenOwner()) GetScreenOwner()->ShowScreen(kNewUserScreen, nullptr);
    } else if (IsProfileRow(row)) {
      selected_name_ = list_->GetItem(Variant(row));
    }
  } else if (code == kWidgetEventListItemDoubleClicked && IsProfileRow(row)) {
    Confirm(TConfirm::kSelect);
  }
}

bool TGameScreenUserProfiles::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  switch (DialogKeyOf(event)) {
    case TDialogKey::kOk: Confirm(TConfirm::kSelect); return true;
    case TDialogKey::kCancel: Confirm(TConfirm::kKeep); return true;
    case TDialogKey::kNone: return focused;
  }
  return focused;
}

void TGameScreenUserProfiles::Confirm(TConfirm confirm) {
  if (IsClosing()) return;
  Ref<IUserProfileCollection> profiles = Profiles();
  if (confirm == TConfirm::kSelect && list_ && profiles) {
    profiles->SelectProfile(selected_name_);
    SaveProfiles();
  }
  CloseSelf();
}

void TGameScreenUserProfiles::SaveProfiles() {
  // A save that fails is reported to the player by the game (its save notice).
  if (Ref<IUserProfileCollection> profiles = Profiles()) profiles->SaveProfiles();
}

// ---- Deleting ----

void TGameScreenUserProfiles::AskToDelete() {
  if (!list_ || !IsProfileRow(list_->GetSelected()) || !GetScreenOwner()) return;
  const std::string name = list_->GetItem(Variant(list_->GetSelected()));
  GetScreenOwner()->ShowScreen(kDeleteScreen, MakeParams({{"user_name", Variant(name)}}));
}

void TGameScreenUserProfiles::ChildClosed(std::string_view name, Ref<IParamCollection> result) {
  TGameScreen::ChildClosed(name, result);
  Ref<IUserProfileCollection> profiles = Profiles();
  if (!profiles || !result) return;
  if (name == kNewUserScreen) {
    const std::string user = result->GetNamedValue("user_name", Variant(std::string())).ToText();
    if (user.empty() || !profiles->GetOrCreateProfile(user)) return;
    selected_name_ = user;
    Confirm(TConfirm::kSelect);
  } else if (name == kDeleteScreen && result->GetNamedValue("Button", Variant()).ToText() == "button_yes") {
    DeleteSelected();
  }
}

void TGameScreenUserProfiles::DeleteSelected() {
  Ref<IUserProfileCollection> profiles = Profiles();
  if (!list_ || !profiles || !IsProfileRow(list_->GetSelected())) return;
  const int32_t row = list_->GetSelected();
  // By name, the profile the player saw and was asked about.
  profiles->DeleteItem(Variant(list_->GetItem(Variant(row))));
  list_->DeleteItem(Variant(row));
  const int32_t next = list_->GetSelected();
  if (!IsProfileRow(next)) {
    profiles->SelectProfile("");
    selected_name_.clear();
    if (GetScreenOwner()) GetScreenOwner()->ShowScreen(kNewUserScreen, MakeParams({{"Necessary", Variant(true)}}));
  } else {
    selected_name_ = list_->GetItem(Variant(next));
    if (!profiles->GetCurrentProfile()) profiles->SelectProfile(selected_name_);
  }
  SaveProfiles();
}

}  // namespace corvellane
