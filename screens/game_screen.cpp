#include "screens/game_screen.h"

#include <exception>

#include "engine/engine_interface.h"
#include "persistence/object_io.h"
#include "persistence/value_access.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

constexpr std::string_view kWindowElement = "window";
constexpr std::string_view kMusicsElement = "musics";
constexpr std::string_view kBackgroundMusic = "music_background";
constexpr std::string_view kShowSound = "sound_show_window";
constexpr std::string_view kHideSound = "sound_hide_window";

}  // namespace

TGameScreen::~TGameScreen() {
  input_.Clear();
  if (window_ && window_->GetOwner() == static_cast<IWidgetOwner*>(this)) window_->ClearOwner();
}

void TGameScreen::Init() {
  TPropertyObject::Init();
  SetStorageName("gamescreen");
  CreateWindow();
}

void TGameScreen::CreateWindow() {
  window_ = CreateObject<TAppearanceEffectWidget>();
  window_->SetMouseStop(true);
  input_.SetRoot(window_);
}

void TGameScreen::ReloadFrom(IHierStorage* node) {
  input_.Clear();
  window_->ClearOwner();
  window_->Cleanup();
  musics_ = nullptr;
  x_ = y_ = 0;
  CreateWindow();
  LoadProperties(node);
  if (owner_) window_->SetOwner(this);
}

void TGameScreen::Cleanup() {
  input_.Clear();
  if (window_) {
    window_->ClearOwner();
    window_->Cleanup();
  }
  open_params_ = nullptr;
  TPropertyObject::Cleanup();
}

// ---- Data ----

void TGameScreen::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  cursor_name_ = ReadText(node, "cursor_name");
  Ref<IHierStorage> window_node = node ? node->GetChild(kWindowElement, 0) : nullptr;
  if (window_node) LoadWindow(window_node.get());
  window_->SetAnchorLeft(x_);
  window_->SetAnchorTop(y_);
  window_->SetMouseStop(true);
}

void TGameScreen::LoadWindow(IHierStorage* node) {
  window_->LoadFrom(node);
  x_ = ReadInt(node, "left", ReadInt(node, "anchor_left", 0));
  y_ = ReadInt(node, "top", ReadInt(node, "anchor_top", 0));
  musics_ = CreateAndLoadChild<TMusicCollection>(node, kMusicsElement);
}

void TGameScreen::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  WriteText(node, "cursor_name", cursor_name_, !cursor_name_.empty());
  if (node) SaveWindow(node->AddChild(kWindowElement).get());
}

void TGameScreen::SaveWindow(IHierStorage* node) {
  WriteInt(node, "left", x_, window_->GetAnchorLeft() != x_ || window_->GetAnchorTop() != y_);
  WriteInt(node, "top", y_, window_->GetAnchorLeft() != x_ || window_->GetAnchorTop() != y_);
  if (musics_ && musics_->Count() > 0) SaveChild(musics_.get(), node, kMusicsElement);
  // The window is stored closed, unnamed and without the mouse stop the
  // screen gives it on loading; the running screen keeps all three.
  const bool visible = window_->IsVisible();
  const bool mouse_stop = window_->IsMouseStop();
  const std::string name = window_->GetName();
  window_->SetVisibleAtOnce(false);
  window_->SetMouseStop(false);
  window_->SetName("");
  window_->SaveTo(node);
  window_->SetVisibleAtOnce(visible);
  window_->SetMouseStop(mouse_stop);
  window_->SetName(name);
}

// ---- Owner ----

void TGameScreen::SetOwner(IGameScreenOwner* owner) {
  owner_ = owner;
  window_->SetOwner(this);
}

void TGameScreen::ClearOwner() {
  open_params_ = nullptr;
  input_.ResetFocus();
  window_->ClearOwner();
  owner_ = nullptr;
}

// ---- Opening and closing ----

void TGameScreen::Open(Ref<IParamCollection> parameters) {
  opening_ = true;
  closing_ = false;
  ApplyOpenParams(parameters.get());
  active_ = true;
  OnShow();
  ResetInput();
  SelectOpenCursor();
  window_->SetVisible(true);
  open_params_ = std::move(parameters);
  CheckOpened();
}

void TGameScreen::ResetInput() {
  input_.ReleaseCapture();
  input_.ResetFocus();
  mouse_buttons_.Clear();
  input_.FocusFirstTabStop();
}

void TGameScreen::Close() {
  if (closing_) return;
  closing_ = true;
  // A screen closed before its show effect was over never opened: its
  // OnOpened must not run on the way out.
  opening_ = false;
  open_params_ = nullptr;
  OnHide();
  input_.ClearFocus();
  window_->SetVisible(false);
  RestorePreviousCursor();
}

void TGameScreen::OnShow() {
  PlayWindowSound(kShowSound);
  IEngine* engine = GetEngine();
  if (Ref<IMusic> music = BackgroundMusic(); music && engine) engine->PlayMusic(music.get());
}

void TGameScreen::OnHide() {
  PlayWindowSound(kHideSound);
  IEngine* engine = GetEngine();
  if (Ref<IMusic> music = BackgroundMusic(); music && engine) engine->StopMusic(music.get());
}

void TGameScreen::OnOpened(IParamCollection* parameters) { input_.RestartMouseGuard(); }

bool TGameScreen::CloseSelf(Ref<IParamCollection> result) {
  if (closing_ || !owner_) return false;
  return owner_->CloseScreen(this, std::move(result));
}

void TGameScreen::CheckOpened() {
  if (!opening_ || IsWindowApplyingEffect()) return;
  opening_ = false;
  OnOpened(open_params_.get());
}

bool TGameScreen::IsWindowApplyingEffect() {
  try {
    return window_->GetProperty("applyingeffect").ToBool(false);
  } catch (const std::exception&) {
    return false;
  }
}

Ref<IMusic> TGameScreen::BackgroundMusic() {
  return musics_ ? musics_->GetMusic(Variant(kBackgroundMusic)) : nullptr;
}

// ---- Cursors ----

Ref<IScreenCursors> TGameScreen::Cursors() { return QueryInterface<IScreenCursors>(owner_); }

void TGameScreen::SelectOpenCursor() {
  Ref<IScreenCursors> cursors = Cursors();
  if (!cursors) return;
  previous_cursor_name_ = cursors->GetCurrentCursorName();
  cursors->SelectCursor(cursor_name_.empty() ? cursors->GetDefaultCursorName() : cursor_name_);
}

void TGameScreen::SelectDefaultCursor() {
  if (Ref<IScreenCursors> cursors = Cursors()) cursors->SelectCursor(cursors->GetDefaultCursorName());
}

void TGameScreen::RestorePreviousCursor() {
  Ref<IScreenCursors> cursors = Cursors();
  if (cursors && !previous_cursor_name_.empty()) cursors->SelectCursor(previous_cursor_name_);
}

// ---- Frames ----

void TGameScreen::Advance(int32_t elapsed_ms) {
  input_.AdvanceTime(elapsed_ms);
  if (active_) window_->Update(elapsed_ms);
  CheckOpened();
}

void TGameScreen::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (!window_->IsVisible()) return;
  window_->Draw(surface, SaturatingAdd(x, RoundToPixel(window_->GetAnchorLeft())),
                SaturatingAdd(y, RoundToPixel(window_->GetAnchorTop())));
}

TRect TGameScreen::GetScreenRect() { return window_ ? window_->GetRect() : TRect{}; }

void TGameScreen::EndFrame() {
  if (active_ || was_active_) window_->UpdateDirtyRegion(false, false);
  was_active_ = active_;
}

// ---- Input ----

bool TGameScreen::MouseEvent(const PlatformEvent& event) {
  if (closing_) return true;
  const std::optional<WidgetMouseInput> mouse = TranslateMouse(event, mouse_buttons_);
  if (!mouse) return false;
  return input_.DeliverMouse(mouse->message, mouse->point, mouse->keys);
}

bool TGameScreen::KeyEvent(const PlatformEvent& event) {
  key_handled_ = false;
  if (closing_) return true;
  bool focused = false;
  for (const WidgetKeyInput& key : TranslateKey(event)) {
    focused = input_.DeliverKey(key.message, key.key, key.flags);
    key_handled_ = key_handled_ || input_.LastKeyHandled();
  }
  return focused;
}

TGameScreen::TDialogKey TGameScreen::DialogKeyOf(const PlatformEvent& event) const {
  if (closing_ || key_handled_ || event.type != EventType::KeyDown || event.alt) return TDialogKey::kNone;
  if (event.key == KeyCode::Enter) return TDialogKey::kOk;
  if (event.key == KeyCode::Escape) return TDialogKey::kCancel;
  return TDialogKey::kNone;
}

void TGameScreen::ChildClosed(std::string_view name, Ref<IParamCollection> result) { input_.RestartMouseGuard(); }

// ---- Services for the window's widgets ----

void TGameScreen::SetMousePos(TPoint screen_point) {
  if (owner_) owner_->SetCursorPos(screen_point);
}

Ref<ISound> TGameScreen::FindSound(std::string_view name) { return owner_ ? owner_->GetSound(name) : nullptr; }

void TGameScreen::InvalidateRect(const TRect& screen_rect) {
  if (IEngine* engine = GetEngine()) engine->InvalidateRect(screen_rect);
}

Ref<IWidgetCollection> TGameScreen::GetWidgets() { return window_->GetWidgets(); }

Ref<IWidget> TGameScreen::WidgetAtPos(TPoint screen_point) { return window_->WidgetAtPos(screen_point); }

Ref<IWidget> TGameScreen::FindWidget(std::string_view path) { return window_->FindWidget(path); }

ChannelHandle TGameScreen::PlayWindowSound(std::string_view name) { return window_->PlaySound(name, false, 0, 0); }

void TGameScreen::StopWindowSound(std::string_view name) { window_->StopSound(name); }

}  // namespace corvellane
