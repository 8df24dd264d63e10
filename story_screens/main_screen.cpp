#include "story_screens/main_screen.h"

#include "persistence/localization.h"
#include "persistence/object_io.h"
#include "screens/gs_collection.h"
#include "records/game_records_interface.h"
#include "story/category.h"
#include "story/scene_def_ref.h"
#include "story_screens/widget_ops.h"

namespace corvellane {

namespace {

constexpr std::string_view kSceneDefRefs = "SceneDefRefs";
constexpr std::string_view kCategories = "Categories";
constexpr std::string_view kFirstRunScreen = "GS_NewUser_FirstRun";
constexpr std::string_view kNewUserScreen = "GS_NewUser";
constexpr std::string_view kComingSoonScreen = "GS_ComingSoon";

}  // namespace

// ---- The catalogues ----

void TCorvellaneGameScreenMain::SetOwner(IGameScreenOwner* owner) {
  TGameScreen::SetOwner(owner);
  PublishCatalogues();
}

void TCorvellaneGameScreenMain::ClearOwner() {
  WithdrawCatalogues();
  TGameScreen::ClearOwner();
}

void TCorvellaneGameScreenMain::PublishCatalogues() {
  IGameScreenOwner* owner = GetScreenOwner();
  if (!owner) return;
  if (Ref<TSceneDefRefCollection> refs = LoadSceneDefRefs())
    owner->SetGameParamTransient(kSceneDefRefs, Variant(Ref<IObject>(refs)));
  if (Ref<TCorvellaneCategoryCollection> categories = LoadCategories()) {
    categories->AttachCategoryResources(GetEngine());
    owner->SetGameParamTransient(kCategories, Variant(Ref<IObject>(categories)));
  }
}

void TCorvellaneGameScreenMain::WithdrawCatalogues() {
  IGameScreenOwner* owner = GetScreenOwner();
  if (!owner) return;
  if (Ref<ICategoryCollection> categories = owner->GetGameParam(kCategories).ToObject<ICategoryCollection>())
    categories->DetachCategoryResources();
  owner->SetGameParamTransient(kCategories, Variant::Null());
  owner->SetGameParamTransient(kSceneDefRefs, Variant::Null());
}

// ---- The player ----

Ref<IUserProfileCollection> TCorvellaneGameScreenMain::Profiles() {
  Ref<IGameRecords> records = QueryInterface<IGameRecords>(GetScreenOwner());
  return records ? records->GetUserProfiles() : nullptr;
}

void TCorvellaneGameScreenMain::Open(Ref<IParamCollection> parameters) {
  TGameScreen::Open(std::move(parameters));
  CheckProfile(true);
}

void TCorvellaneGameScreenMain::ChildClosed(std::string_view name, Ref<IParamCollection> result) {
  TGameScreen::ChildClosed(name, result);
  if ((name == kNewUserScreen || name == kFirstRunScreen) && result)
    AddPlayer(result->GetNamedValue("user_name", Variant(std::string())).ToText());
  CheckProfile(false);
}

void TCorvellaneGameScreenMain::AddPlayer(std::string_view name) {
  Ref<IUserProfileCollection> profiles = Profiles();
  if (!profiles || name.empty() || !profiles->GetOrCreateProfile(name)) return;
  profiles->SelectProfile(name);
  // Kept at once: a player who made a profile expects to find it again even
  // if the game does not end normally. A save that fails is reported to the
  // player by the game.
  profiles->SaveProfiles();
}

void TCorvellaneGameScreenMain::CheckProfile(bool opening) {
  Ref<IUserProfileCollection> profiles = Profiles();
  if (!profiles) return;
  if (Ref<IUserProfile> player = profiles->GetCurrentProfile()) {
    if (Ref<IWidget> welcome = FindWidget("welcome_message")) {
      SetMacro("username", player->GetName());
      // The greeting is shown as it reads now, the name inside it included.
      welcome->SetProperty("text_utf8", Variant(LiteralText(Localize("%welcome%"))));
    }
    return;
  }
  if (!GetScreenOwner()) return;
  Ref<IParamCollection> necessary = MakeParams({{"Necessary", Variant(true)}});
  if (!opening) {
    GetScreenOwner()->ShowScreen(kNewUserScreen, necessary);
    return;
  }
  if (Ref<IWidget> hide_desktop = FindWidget("hide_desktop_screen")) hide_desktop->Restart();
  GetScreenOwner()->ShowScreen(kFirstRunScreen, necessary);
}

// ---- The menu ----

void TCorvellaneGameScreenMain::HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) {
  if (code != kWidgetEventClick || !sender) return;
  const std::string name = sender->GetName();
  if (name == "button_play_timed" || name == "button_play_relaxed")
    ShowOrComingSoon("GS_Map", MakeParams({{"play_mode", Variant(name == "button_play_timed" ? 0 : 1)}}));
  else if (name == "button_highscores")
    ShowOrComingSoon("GS_HighScores", nullptr);
}

void TCorvellaneGameScreenMain::ShowOrComingSoon(std::string_view screen, Ref<IParamCollection> parameters) {
  IGameScreenOwner* owner = GetScreenOwner();
  if (!owner) return;
  if (owner->GetScreens() && owner->GetScreens()->GetScreen(Variant(screen))) owner->ShowScreen(screen, parameters);
  else owner->ShowScreen(kComingSoonScreen, nullptr);
}

bool TCorvellaneGameScreenMain::KeyEvent(const PlatformEvent& event) {
  const bool focused = TGameScreen::KeyEvent(event);
  if (DialogKeyOf(event) != TDialogKey::kCancel || !GetScreenOwner()) return focused;
  GetScreenOwner()->ShowScreen("GS_Quit", nullptr);
  return true;
}

}  // namespace corvellane
