// game_screen.h: TGameScreen ("GameScreen"), one page of the user interface
// and the base class of every screen.
//
// A screen is a window widget tree (a TAppearanceEffectWidget, so it can
// fade or fly in and out) plus what belongs to the page as a whole: the
// sounds played when it opens and closes, its background music, its cursor,
// the keyboard focus, the mouse capture and the guard that swallows clicks
// for 200 ms after it opened. The game drives it through IGameScreenSlave;
// its widgets reach it through IWidgetOwner, IWindow and IEventHandler.
//
//   <gamescreen type="GameScreen" name="GS_Options" cursor_name="cursor_hand">
//     <window anchor_left="120" anchor_top="80">
//       <musics><music name="music_background" resourcename="res_music_menu"/></musics>
//       <sounds><sound name="sound_show_window" resourcename="res_whoosh"/></sounds>
//       <effects> ... "show_effect", "hide_effect" ... </effects>
//       <widgets> ... buttons, labels ... </widgets>
//     </window>
//   </gamescreen>
//
// Product screens derive from it and override the hooks: ApplyOpenParams
// (the parameters given to Open), OnOpened (once the show effect is over),
// OnShow / OnHide, ChildClosed (a screen opened from this one closed), and
// HandleWidgetEvent, where buttons and controls report what the player did:
//
//   void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override {
//     if (code == kWidgetEventClick && sender->GetName() == "button_ok")
//       GetScreenOwner()->CloseScreen(this, nullptr);
//   }
//
// Life: loaded with the catalogue -> SetOwner -> Open (opening while the
// show effect runs, then open) -> active / inactive while screens above
// cover it -> Close (hide effect; the game drops it once IsOpen is false)
// -> may open again -> ClearOwner at game end.
//
// A closing screen is closed once: while its hide effect runs it takes no
// input (clicks and keys are swallowed) and a second Close does nothing, so
// a double click on OK or Enter pressed twice cannot close it again with
// another result. Screens close themselves with CloseSelf.
//
// Dialogs take Enter and Escape as OK and Cancel when no widget handled them
// (DialogKeyOf).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "screens/platform_input.h"
#include "screens/screen_cursors_interface.h"
#include "sound/sound_definitions.h"
#include "widgets/appearance_effect_widget.h"
#include "widgets/event_handler_interface.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/game_screen_slave_interface.h"
#include "widgets/input_router.h"
#include "widgets/widget_owner_interface.h"
#include "widgets/window_interface.h"

namespace corvellane {

class TGameScreen : public TPropertyObject,
                    public virtual IWidgetOwner,
                    public virtual IWindow,
                    public virtual IEventHandler,
                    public virtual IGameScreenSlave {
 public:
  ~TGameScreen() override;

  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  // ---- IGameScreenSlave ----
  void SetOwner(IGameScreenOwner* owner) override;
  void ClearOwner() override;
  void Open(Ref<IParamCollection> parameters) override;
  void Close() override;
  void Activate() override { active_ = true; }
  void Deactivate() override { active_ = false; }
  void Advance(int32_t elapsed_ms) override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  TRect GetScreenRect() override;
  void SetAppActive(bool active) override {}
  // Swallowed while closing.
  bool MouseEvent(const PlatformEvent& event) override;
  bool KeyEvent(const PlatformEvent& event) override;
  void ChildClosed(std::string_view name, Ref<IParamCollection> result) override;
  Ref<IWindow> GetScreenWindow() override { return Ref<IWindow>(static_cast<IWindow*>(this)); }
  Ref<IWidget> GetWindowWidget() override { return window_; }
  void EndFrame() override;
  bool IsOpen() override { return !window_ || window_->IsVisible(); }

  // ---- IWidgetOwner (of the window widget) ----
  IEngine* GetEngine() override { return owner_ ? owner_->GetEngine() : nullptr; }
  IWindow* GetWindow() override { return this; }
  IEventHandler* GetEventHandler() override { return this; }
  // Screen space is the window's owner space.
  TPoint ChildScreenToLocal(TPoint screen_point) override { return screen_point; }
  TPoint GetMousePos() override { return owner_ ? owner_->GetCursorPos() : TPoint{}; }
  void SetMousePos(TPoint screen_point) override;
  Ref<IWidget> CreateFromFactory(std::string_view name, IParamCollection* params) override { return nullptr; }
  Ref<ISound> FindSound(std::string_view name) override;
  std::string GetPath() override { return GetName(); }
  void InvalidateRect(const TRect& screen_rect) override;

  // ---- IWindow ----
  void SetCapture(IWidget* widget) override { input_.SetCapture(widget); }
  void ReleaseCapture() override { input_.ReleaseCapture(); }
  Ref<IWidget> GetCapture() override { return input_.GetCapture(); }
  void SetFocus(IWidget* widget) override { input_.SetFocus(widget); }
  void ClearFocus() override { input_.ClearFocus(); }
  Ref<IWidget> GetFocus() override { return input_.GetFocus(); }
  Ref<IWidgetCollection> GetWidgets() override;
  void ResetFocus() override { input_.ResetFocus(); }
  Ref<IWidget> WidgetAtPos(TPoint screen_point) override;
  // From the window widget (also the IWidgetOwner lookup).
  Ref<IWidget> FindWidget(std::string_view path) override;
  ChannelHandle PlayWindowSound(std::string_view name) override;
  void StopWindowSound(std::string_view name) override;

  // ---- IEventHandler ----
  // Product screens react to their buttons and controls here.
  void HandleWidgetEvent(IWidget* sender, int32_t code, const Variant& value) override {}
  IGameScreenOwner* GetScreenOwner() override { return owner_; }

  bool IsOpening() const { return opening_; }
  // From Close until the next Open.
  bool IsClosing() const { return closing_; }
  bool IsActive() const { return active_; }
  const std::string& GetCursorName() const { return cursor_name_; }
  const Ref<IParamCollection>& GetOpenParams() const { return open_params_; }
  const Ref<TAppearanceEffectWidget>& GetWindowEffectWidget() const { return window_; }
  // The window's "musics" (the background music and any a screen plays itself).
  const Ref<TMusicCollection>& GetMusics() const { return musics_; }
  // Whether a mouse message arriving now would be swallowed.
  bool IsMouseGuarded() const { return input_.IsMouseGuarded(); }

 protected:
  // Plays "sound_show_window" and starts "music_background".
  virtual void OnShow();
  // Plays "sound_hide_window" and stops "music_background".
  virtual void OnHide();
  virtual void ApplyOpenParams(IParamCollection* parameters) {}
  // Runs once the show effect is over; the base restarts the mouse guard.
  virtual void OnOpened(IParamCollection* parameters);

  // Asks the game to close this screen with the result; false (nothing
  // happens) while it is closing already or when it is not the top screen.
  bool CloseSelf(Ref<IParamCollection> result = nullptr);

  // A key event as a dialog's answer: Enter (OK) and Escape (Cancel) pressed
  // down, when the focused widget did not handle them in KeyEvent.
  enum class TDialogKey { kNone, kOk, kCancel };
  TDialogKey DialogKeyOf(const PlatformEvent& event) const;

  // The collection's default cursor becomes the current one.
  void SelectDefaultCursor();
  // Drops the window and everything loaded with it, then loads the screen
  // again from the element (attached again when it has an owner).
  void ReloadFrom(IHierStorage* node);

 private:
  void CreateWindow();
  void LoadWindow(IHierStorage* node);
  void SaveWindow(IHierStorage* node);
  void ResetInput();
  void SelectOpenCursor();
  void RestorePreviousCursor();
  // After Open and every Advance: once no effect runs, the screen is open.
  void CheckOpened();
  bool IsWindowApplyingEffect();
  Ref<IMusic> BackgroundMusic();
  Ref<IScreenCursors> Cursors();

  IGameScreenOwner* owner_ = nullptr;
  bool opening_ = false;
  bool active_ = false;
  bool was_active_ = false;
  std::string previous_cursor_name_;
  std::string cursor_name_;
  Ref<TMusicCollection> musics_;
  Ref<TAppearanceEffectWidget> window_;
  int32_t x_ = 0;
  int32_t y_ = 0;
  Ref<IParamCollection> open_params_;
  // Capture, focus, and the time since open that drives the mouse guard.
  TWidgetInputRouter input_;
  TMouseButtons mouse_buttons_;
  bool closing_ = false;
  bool key_handled_ = false;
};

}  // namespace corvellane
