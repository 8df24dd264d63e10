#include "game/game.h"

#include <cerrno>
#include <cstring>
#include <exception>

#include "game/option_values.h"
#include "game/start_screens.h"

#include "persistence/class_registry.h"
#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/value_access.h"
#include "records/high_scores.h"
#include "records/level_records.h"
#include "records/user_profile_collection.h"
#include "shell/declarations.h"
#include "shell/global_options.h"
#include "widgets/pixel_rounding.h"
#include "xml/ascii_case.h"

namespace corvellane {
namespace {

constexpr std::string_view kBorderScreen = "GS_Border";

bool IsPersistedOption(std::string_view name) {
  std::string marked = ";" + std::string(name) + ";";
  return product::PersistedOptionNames.find(marked) != std::string_view::npos;
}

bool Covers(const TRect& outer, const TRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Writes the screen name when it is set or when the stored one differs.
void WriteScreenName(IHierStorage* node, std::string_view key, const std::string& value) {
  WriteText(node, key, value, !value.empty());
}

}  // namespace

void TGame::Init() {
  TPersistObject::Init();
  SetStorageName("game");
  splash_logos_screen_ = "GS_SplashLogos";
  loading_screen_ = "GS_Splash";
  quit_query_screen_ = "GS_Quit";
  main_screen_ = "GS_Main";
  save_notice_screen_ = "GS_SaveNotice";
  params_ = CreateObject<TParamCollection>();
  screens_ = CreateObject<TGSCollection>();
  resource_files_ = CreateObject<TResourceFileCollection>();
  cursors_ = CreateObject<TCursorCollection>();
  high_scores_ = CreateObject<THighScores>(product::DefaultHighScoreTables());
  level_records_ = CreateObject<TLevelRecords>(product::DefaultLevelRecordTables());
  user_profiles_ = CreateObject<TUserProfileCollection>(product::DefaultUserProfiles());
  first_frame_pending_ = true;
  loading_ = true;
  splash_logos_showing_ = false;
}

// --- Definition file -------------------------------------------------------

void TGame::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  splash_logos_screen_ = ReadText(node, "splashlogosgs", "GS_SplashLogos");
  loading_screen_ = ReadText(node, "splashgs", "GS_Splash");
  quit_query_screen_ = ReadText(node, "closequerygs", "GS_Quit");
  main_screen_ = ReadText(node, "maings", "GS_Main");
  save_notice_screen_ = ReadText(node, "savenoticegs", "GS_SaveNotice");
  LoadChild(GlobalReplaceableObjectParams().get(), node, "");
  custom_settings_ = CreateObject<TCustomSettingsCollection>();
  LoadChild(custom_settings_.get(), node, "custom_settings");
  LoadChild(cursors_.get(), node, "");
  LoadChild(resource_files_.get(), node, "");
  LoadChild(params_.get(), node, "");
  sounds_ = CreateObject<TSoundCollection>();
  LoadChild(sounds_.get(), node, "sounds");
  LoadChild(screens_.get(), node, "");
}

void TGame::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  WriteScreenName(node, "splashlogosgs", splash_logos_screen_);
  WriteScreenName(node, "splashgs", loading_screen_);
  WriteScreenName(node, "closequerygs", quit_query_screen_);
  WriteScreenName(node, "maings", main_screen_);
  WriteScreenName(node, "savenoticegs", save_notice_screen_);
  if (custom_settings_ && custom_settings_->Count() > 0) SaveChild(custom_settings_.get(), node, "custom_settings");
  SaveChild(cursors_.get(), node, "");
  SaveChild(resource_files_.get(), node, "");
  SaveChild(params_.get(), node, "");
  SaveChild(screens_.get(), node, "");
  if (sounds_) SaveChild(sounds_.get(), node, "sounds");
}

// --- Start and end ----------------------------------------------------------

void TGame::AttachEngine(IEngine* engine) {
  engine_ = Ref<IEngine>(engine);
  high_scores_->LoadHighScores(engine, false);
  level_records_->LoadLevelRecords(engine);
  user_profiles_->AttachEngine(engine);
  AttachCursors();
  LoadPersistedOptions();
  ApplyParamsToEngine();
  LoadResourceFiles(*resource_files_, *engine_, ResourceLoadMode::kSynch);
  for (int i = 0; i < screens_->Count(); ++i)
    if (Ref<IGameScreenSlave> screen = screens_->GetScreen(i)) screen->SetOwner(this);
  splash_logos_showing_ = ShowStartScreen(splash_logos_screen_, "logo screen");
  border_screen_ = screens_->GetScreen(Variant(kBorderScreen));
  if (custom_settings_) custom_settings_->StartAll(engine_.get(), this);
}

void TGame::FinishGame() {
  last_close_result_ = nullptr;
  if (custom_settings_) custom_settings_->Cleanup();
  custom_settings_ = nullptr;
  DetachCursors();
  while (!shown_.empty()) shown_.pop_back();
  for (int i = screens_->Count() - 1; i >= 0; --i)
    if (Ref<IGameScreenSlave> screen = screens_->GetScreen(i)) screen->ClearOwner();
  // Detaching saves the profiles; every other record was saved when it changed.
  if (user_profiles_) {
    user_profiles_->DetachEngine();
    user_profiles_->Cleanup();
    user_profiles_ = nullptr;
  }
  level_records_ = nullptr;
  high_scores_ = nullptr;
  params_ = nullptr;
  if (engine_) {
    for (int i = resource_files_->Count() - 1; i >= 0; --i)
      if (Ref<IResourceFile> file = resource_files_->GetFile(i)) engine_->RemoveResources(file->GetName());
  }
  border_screen_ = nullptr;
  engine_ = nullptr;
}

void TGame::AttachCursors() {
  for (int i = 0; i < cursors_->Count(); ++i)
    if (Ref<ICursor> cursor = cursors_->GetCursor(Variant(i)); cursor && cursor->GetWidget())
      cursor->GetWidget()->SetOwner(this);
  cursors_->SelectCursor(cursors_->GetDefaultCursorName());
  // Without any cursor of its own the game would leave the player no pointer.
  if (engine_ && cursors_->Count() > 0) engine_->HideSystemCursor();
}

void TGame::DetachCursors() {
  for (int i = cursors_->Count() - 1; i >= 0; --i)
    if (Ref<ICursor> cursor = cursors_->GetCursor(Variant(i)); cursor && cursor->GetWidget())
      cursor->GetWidget()->ClearOwner();
}

bool TGame::ShowStartScreen(std::string_view name, std::string_view role) {
  if (name.empty()) return false;
  if (std::optional<std::string> why = WhyScreenIsUnusable(*screens_, name)) {
    LogWarning("the " + std::string(role) + " " + *why + "; skipped");
    return false;
  }
  return ShowScreen(name, nullptr);
}

void TGame::StartLoading() {
  ShowStartScreen(loading_screen_, "loading screen");
  LoadResourceFiles(*resource_files_, *engine_, ResourceLoadMode::kAsynch);
  if (IsShown(loading_screen_) && !loading_screen_.empty()) {
    Ref<IGameScreenSlave> loading_screen = screens_->GetScreen(Variant(loading_screen_));
    CloseScreen(loading_screen.get(), nullptr);
    // A hide effect keeps a closing screen on the stack, and showing it again
    // would then be refused: the game would wait on the loading screen for
    // ever. It leaves the stack at once instead, to be opened afresh.
    if (IsShown(loading_screen_) && TopScreen() == loading_screen.get()) {
      loading_screen->EndFrame();
      shown_.pop_back();
    }
    Ref<IParamCollection> done = CreateObject<TParamCollection>();
    done->SetNamedValue("LoadComplete", Variant(true));
    ShowScreen(loading_screen_, done);
  } else {
    ShowMainScreen();
  }
  loading_ = false;
}

// --- Frames -----------------------------------------------------------------

void TGame::UpdateFrame(int32_t elapsed_ms) {
  if (IGameScreenSlave* top = TopScreen()) top->Advance(elapsed_ms);
  RemoveClosedScreens();
  if (splash_logos_showing_) {
    splash_logos_showing_ = IsShown(splash_logos_screen_);
    return;
  }
  if (first_frame_pending_) {
    first_frame_pending_ = false;
    StartLoading();
  }
  if (save_notices_.TakePendingNotice()) ShowScreen(save_notice_screen_, nullptr);
  UpdateCursor(elapsed_ms);
  if (border_screen_) border_screen_->Advance(elapsed_ms);
}

void TGame::EndFrame() {
  // A screen may close itself while its neighbours end their frame.
  std::vector<Ref<IGameScreenSlave>> shown = shown_;
  for (const Ref<IGameScreenSlave>& screen : shown) screen->EndFrame();
  if (border_screen_) border_screen_->EndFrame();
  if (Ref<IWidget> pointer = cursors_->GetCurrentWidget()) pointer->UpdateDirtyRegion(false, false);
}

void TGame::DrawFrame(ISurface* surface, int32_t x, int32_t y) {
  for (size_t i = 0; i < shown_.size(); ++i) {
    const TRect rect = shown_[i]->GetScreenRect();
    bool covered = false;
    for (size_t j = shown_.size() - 1; j > i && !covered; --j) covered = Covers(shown_[j]->GetScreenRect(), rect);
    if (!covered) shown_[i]->Draw(surface, x, y);
  }
  if (border_screen_) border_screen_->Draw(surface, x, y);
  DrawCursor(surface, x, y);
}

void TGame::UpdateCursor(int32_t elapsed_ms) {
  Ref<ICursor> cursor = cursors_->GetCurrentCursor();
  Ref<IWidget> pointer = cursor ? cursor->GetWidget() : nullptr;
  if (!pointer) return;
  const TPoint mouse = GetCursorPos();
  pointer->SetAnchorLeft(double(mouse.x) - cursor->GetHotspot().x);
  pointer->SetAnchorTop(double(mouse.y) - cursor->GetHotspot().y);
  pointer->Update(elapsed_ms);
}

std::string TGame::GetCurrentCursorName() {
  Ref<ICursor> current = cursors_->GetCurrentCursor();
  return current ? current->GetName() : std::string();
}

void TGame::DrawCursor(ISurface* surface, int32_t x, int32_t y) {
  Ref<IWidget> pointer = cursors_->GetCurrentWidget();
  if (!pointer || !pointer->IsVisible()) return;
  pointer->Draw(surface, x + RoundToPixel(pointer->GetAnchorLeft()), y + RoundToPixel(pointer->GetAnchorTop()));
}

// --- Screen stack -------------------------------------------------------------

bool TGame::IsShown(std::string_view name) const {
  for (const Ref<IGameScreenSlave>& screen : shown_)
    if (screen->GetName() == name) return true;
  return false;
}

IGameScreenSlave* TGame::TopScreen() const { return shown_.empty() ? nullptr : shown_.back().get(); }

std::string TGame::GetTopScreenName() { return shown_.empty() ? std::string() : shown_.back()->GetName(); }

bool TGame::ShowScreen(std::string_view name, Ref<IParamCollection> parameters) {
  if (name.empty() || IsShown(name)) return false;
  Ref<IGameScreenSlave> screen = screens_->GetScreen(Variant(name));
  if (!screen) return false;
  if (IGameScreenSlave* top = TopScreen()) {
    if (engine_) engine_->PauseOwnerSounds(top->GetName(), true);
    top->Deactivate();
  }
  shown_.push_back(screen);
  screen->Open(std::move(parameters));
  if (engine_) engine_->InvalidateRect(screen->GetScreenRect());
  return true;
}

bool TGame::CloseScreen(IGameScreenSlave* screen, Ref<IParamCollection> result) {
  IGameScreenSlave* top = TopScreen();
  if (!top || !screen || top->GetName() != screen->GetName()) return false;
  if (engine_) engine_->StopOwnerSounds(top->GetName());
  top->Close();
  last_close_result_ = std::move(result);
  RemoveClosedScreens();
  return true;
}

void TGame::RemoveClosedScreens() {
  for (size_t i = shown_.size(); i-- > 0;) {
    if (i >= shown_.size() || shown_[i]->IsOpen()) continue;
    Ref<IGameScreenSlave> closed = shown_[i];
    closed->EndFrame();
    shown_.erase(shown_.begin() + std::ptrdiff_t(i));
    if (i == 0) continue;
    Ref<IGameScreenSlave> below = shown_[i - 1];
    if (engine_) engine_->PauseOwnerSounds(below->GetName(), false);
    below->Activate();
    below->ChildClosed(closed->GetName(), last_close_result_);
  }
}

void TGame::ShowMainScreen() {
  if (!loading_screen_.empty() && IsShown(loading_screen_)) {
    Ref<IGameScreenSlave> loading_screen = screens_->GetScreen(Variant(loading_screen_));
    CloseScreen(loading_screen.get(), nullptr);
  }
  if (main_screen_.empty()) return;
  if (std::optional<std::string> why = WhyScreenIsUnusable(*screens_, main_screen_)) {
    // A black screen for ever helps nobody: the game ends and says why.
    LogWarning("the main screen " + *why + "; the game cannot go on");
    if (engine_) engine_->QuitWithFailure();
    return;
  }
  ShowScreen(main_screen_, nullptr);
}

// --- Input ------------------------------------------------------------------

bool TGame::MouseEvent(const PlatformEvent& event) {
  IGameScreenSlave* top = TopScreen();
  const bool handled = top && top->MouseEvent(event);
  if (handled && event.type == EventType::MouseDown)
    if (Ref<IWidget> pointer = cursors_->GetCurrentWidget()) pointer->Restart();
  return handled;
}

bool TGame::KeyEvent(const PlatformEvent& event) {
  IGameScreenSlave* top = TopScreen();
  bool handled = top && top->KeyEvent(event);
  if (event.type == EventType::AltKey && ToggleFromAltKey(event)) return true;
  return handled;
}

bool TGame::ToggleFromAltKey(const PlatformEvent& event) {
  std::string_view param;
  if (event.key == KeyCode::Enter) param = "FullScreenMode";
  if (event.key == KeyCode('F')) param = "ShowFPS";
  if (event.key == KeyCode('R')) param = "ShowRects";
  if (param.empty() || !engine_) return false;
  bool on = EqualsIgnoreAsciiCase(engine_->GetEngineParam(param).ToText(), "yes");
  SetGameParam(param, Variant(on ? "no" : "yes"));
  return true;
}

void TGame::SetAppActive(bool active) {
  for (const Ref<IGameScreenSlave>& screen : shown_) screen->SetAppActive(active);
}

bool TGame::CanClose() {
  if (loading_) return false;
  if (quit_query_screen_.empty() || IsShown(quit_query_screen_)) return true;
  if (!screens_->GetScreen(Variant(quit_query_screen_))) return true;
  ShowScreen(quit_query_screen_, nullptr);
  return false;
}

// --- Parameters -----------------------------------------------------------------

void TGame::SetGameParam(std::string_view name, const Variant& value) {
  if (!params_ || !engine_) return;
  params_->SetNamedValue(name, value);
  if (IsPersistedOption(name)) StoreOption(name, value.ToText());
  if (ApplyParamToEngine(name, value)) engine_->ApplyDisplaySettings();
}

void TGame::SetGameParamTransient(std::string_view name, const Variant& value) {
  if (!params_ || !engine_) return;
  params_->SetNamedValue(name, value);
  ApplyParamToEngine(name, value);
}

Variant TGame::GetGameParam(std::string_view name) {
  if (!params_) return Variant::Null();
  Ref<IParam> param = params_->GetParam(Variant(name));
  return param ? param->GetParamValue() : Variant::Null();
}

bool TGame::ApplyParamToEngine(std::string_view name, const Variant& value) {
  try {
    Variant current = engine_->GetEngineParam(name);
    if (current.IsNull() || current.ToText() == value.ToText()) return false;
    engine_->SetEngineParam(name, value);
    return true;
  } catch (...) {
    // A parameter the engine cannot take changes nothing.
    LogCaughtException("the game parameter \"" + std::string(name) + "\" could not be applied");
    return false;
  }
}

void TGame::LoadPersistedOptions() {
  for (int i = 0; i < params_->Count(); ++i) {
    Ref<IParam> param = params_->GetParam(i);
    if (!param || !IsPersistedOption(param->GetName())) continue;
    const std::string name = param->GetName();
    const std::string defined = param->GetParamValue().ToText();
    std::optional<std::string> stored = GlobalOptions().GetOption(name);
    if (stored && !stored->empty() && IsUsableOptionValue(name, *stored)) {
      param->SetParamValue(Variant(*stored));
      continue;
    }
    if (stored && !stored->empty()) {
      LogWarning(std::string(product::OptionsFileName) + ": the option " + name + " = \"" + *stored +
                 "\" is not a value the game can use; the game's \"" + defined + "\" replaces it");
    }
    StoreOption(name, defined);
  }
}

void TGame::StoreOption(std::string_view name, const std::string& value) {
  const bool saved = GlobalOptions().SetOption(name, value);
  ReportSave(product::OptionsFileName, saved, saved ? std::string() : std::strerror(errno));
}

void TGame::ReportSave(std::string_view file_name, bool saved, std::string_view reason) {
  if (saved) {
    save_notices_.Saved(file_name);
    return;
  }
  if (!save_notices_.Failed(file_name)) return;
  const std::string folder = engine_ ? engine_->GetSettingsFolder() : std::string();
  LogWarning(std::string(file_name) + " could not be saved in " + folder +
             (reason.empty() ? std::string() : " (" + std::string(reason) + ")") +
             "; the changes are kept only until the game ends");
}

void TGame::ApplyParamsToEngine() {
  for (int i = 0; i < params_->Count(); ++i)
    if (Ref<IParam> param = params_->GetParam(i)) ApplyParamToEngine(param->GetName(), param->GetParamValue());
}

// --- Sounds and the mouse ------------------------------------------------------

Ref<ISound> TGame::GetSound(std::string_view name) {
  return sounds_ ? sounds_->GetSound(Variant(name)) : nullptr;
}

void TGame::InvalidateRect(const TRect& screen_rect) {
  if (engine_) engine_->InvalidateRect(screen_rect);
}

TPoint TGame::GetCursorPos() { return engine_ ? engine_->GetCursorPos() : TPoint{}; }

void TGame::SetCursorPos(TPoint logical) {
  if (engine_) engine_->SetCursorPos(logical);
}

void RegisterGameClasses() {
  RegisterClass<TGame>("Game");
  RegisterCursorClasses();
}

}  // namespace corvellane
