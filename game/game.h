// game.h: TGame, the one object the game definition file creates ("Game").
//
// The game owns everything the game is made of: its parameters, the catalogue
// of screens and the stack of those shown, the resource files, the sounds,
// the cursors and (as the game grows) the player records. The engine drives
// it once a frame through IGame; screens reach it through IGameScreenOwner.
//
// The screen flow is a stack. Only the top screen advances and gets input;
// every shown screen not entirely covered by one above it is drawn, bottom to
// top; an optional screen named "GS_Border" is advanced and drawn above all
// of them, outside the stack.
//
// Phases: attached (synchronous resource files loaded, the splash-logos screen
// shown) -> splash logos (only they run) -> loading (the first frame after
// them: the loading screen, the asynchronous resource files with frames
// running, the loading screen reopened with "LoadComplete") -> running.
// A logo or loading screen with nothing to show (its file was damaged) is
// skipped with a warning; a main screen with nothing to show ends the game
// with a warning and a failure status (start_screens.h).
//
// Saves: every save of a player's file reports to ReportSave (the options
// store's from here, every other through IEngine::WriteSettingsText). A
// failure is logged once per file until that file is saved again, and the
// save-notice screen ("savenoticegs", default "GS_SaveNotice") is shown over
// the running game: save_notices.h.
//
// Game parameters named in PersistedOptionNames (full screen, wide screen,
// volumes) live in the options store: at start a stored value replaces the
// definition file's, and every change is written back. A stored value the
// engine cannot use ("loud" for a volume, option_values.h) is replaced by the
// definition file's, with a warning, and the store corrected. Alt+Enter, Alt+F and
// Alt+R switch "FullScreenMode", "ShowFPS" and "ShowRects".
//
// Cursors (cursor_collection.h): the game draws the mouse pointer itself, as
// the current cursor's widget placed so that its hot spot lies on the mouse,
// above everything else; the system pointer is hidden while there are
// cursors. The game is the owner (IWidgetOwner) of every cursor widget: it
// has no window, event handler or factories, maps points unchanged, finds
// sounds among its own and hands redraw rectangles to the engine. A handled
// button press restarts the cursor widget (its click animation). Screens
// switch cursors through IScreenCursors while they are open.
//
//   <game type="Game" maings="GS_Main" savenoticegs="GS_SaveNotice">
//     <params><param name="ScreenWidth" value="1024"/></params>
//     <custom_settings>...</custom_settings>   (custom_settings.h)
//     <cursors default_cursor_name="cursor_arrow">...</cursors>
//     <resourcefiles>...</resourcefiles>
//     <sounds>...</sounds>
//     <gamescreens>...</gamescreens>
//   </game>
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_interface.h"
#include "engine/game_interface.h"
#include "engine/resource_file.h"
#include "game/cursor_collection.h"
#include "game/custom_settings.h"
#include "game/save_notices.h"
#include "persistence/object.h"
#include "persistence/params.h"
#include "records/game_records_interface.h"
#include "records/high_scores_interface.h"
#include "records/level_records_interface.h"
#include "records/user_profile_collection.h"
#include "screens/gs_collection.h"
#include "screens/screen_cursors_interface.h"
#include "sound/sound_definitions.h"
#include "widgets/game_screen_owner_interface.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane {

class TGame : public TPersistObject,
              public virtual IGame,
              public virtual IGameScreenOwner,
              public virtual IWidgetOwner,
              public virtual IScreenCursors,
              public virtual IGameRecords {
 public:
  void Init() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  // IGame
  void AttachEngine(IEngine* engine) override;
  void FinishGame() override;
  void UpdateFrame(int32_t elapsed_ms) override;
  void EndFrame() override;
  void DrawFrame(ISurface* surface, int32_t x, int32_t y) override;
  bool MouseEvent(const PlatformEvent& event) override;
  bool KeyEvent(const PlatformEvent& event) override;
  void SetAppActive(bool active) override;
  bool CanClose() override;
  void SetGameParam(std::string_view name, const Variant& value) override;
  std::string GetTopScreenName() override;
  void ReportSave(std::string_view file_name, bool saved, std::string_view reason) override;

  // IGameScreenOwner
  void SetGameParamTransient(std::string_view name, const Variant& value) override;
  Variant GetGameParam(std::string_view name) override;
  IEngine* GetEngine() override { return engine_.get(); }
  IGameScreenOwner* GetScreenOwner() override { return this; }
  bool ShowScreen(std::string_view name, Ref<IParamCollection> parameters) override;
  bool CloseScreen(IGameScreenSlave* screen, Ref<IParamCollection> result) override;
  Ref<IGSCollection> GetScreens() override { return screens_; }
  void ShowMainScreen() override;
  Ref<TSoundCollection> GetSounds() override { return sounds_; }
  Ref<ISound> GetSound(std::string_view name) override;
  TPoint GetCursorPos() override;
  void SetCursorPos(TPoint logical) override;

  // IWidgetOwner, for the cursor widgets (GetEngine as above)
  IWindow* GetWindow() override { return nullptr; }
  IEventHandler* GetEventHandler() override { return nullptr; }
  TPoint ChildScreenToLocal(TPoint screen_point) override { return screen_point; }
  TPoint GetMousePos() override { return GetCursorPos(); }
  void SetMousePos(TPoint screen_point) override { SetCursorPos(screen_point); }
  Ref<IWidget> CreateFromFactory(std::string_view, IParamCollection*) override { return nullptr; }
  Ref<IWidget> FindWidget(std::string_view) override { return nullptr; }
  Ref<ISound> FindSound(std::string_view name) override { return GetSound(name); }
  std::string GetPath() override { return {}; }
  void InvalidateRect(const TRect& screen_rect) override;

  // IScreenCursors
  std::string GetCurrentCursorName() override;
  bool SelectCursor(std::string_view name) override { return cursors_->SelectCursor(name); }
  std::string GetDefaultCursorName() override { return cursors_->GetDefaultCursorName(); }

  Ref<IParamCollection> GetParams() { return params_; }
  Ref<TResourceFileCollection> GetResourceFiles() { return resource_files_; }
  Ref<TCursorCollection> GetCursors() { return cursors_; }
  // IGameRecords
  Ref<IHighScores> GetHighScores() override { return high_scores_; }
  Ref<ILevelRecords> GetLevelRecords() override { return level_records_; }
  Ref<IUserProfileCollection> GetUserProfiles() override { return user_profiles_; }
  bool IsLoading() const { return loading_; }
  // The shown screens, bottom first.
  const std::vector<Ref<IGameScreenSlave>>& ShownScreens() const { return shown_; }

 protected:
  virtual void StartLoading();
  virtual void LoadPersistedOptions();
  virtual void ApplyParamsToEngine();

 private:
  bool IsShown(std::string_view name) const;
  IGameScreenSlave* TopScreen() const;
  void RemoveClosedScreens();
  // Applies the value to the engine parameter of that name; true when it changed.
  bool ApplyParamToEngine(std::string_view name, const Variant& value);
  bool ToggleFromAltKey(const PlatformEvent& event);
  // Shows a screen the game opens by itself (`role` names it in messages);
  // false, with a warning, when it has nothing to show.
  bool ShowStartScreen(std::string_view name, std::string_view role);
  // Writes a persisted option to the options store and reports the save.
  void StoreOption(std::string_view name, const std::string& value);
  // The game becomes the owner of every cursor widget and shows the default
  // cursor; the system pointer is hidden when there is a cursor to draw.
  void AttachCursors();
  void DetachCursors();
  // The current cursor's widget follows the mouse and runs its clock.
  void UpdateCursor(int32_t elapsed_ms);
  void DrawCursor(ISurface* surface, int32_t x, int32_t y);

  std::string splash_logos_screen_;
  std::string loading_screen_;
  std::string quit_query_screen_;
  std::string main_screen_;
  std::string save_notice_screen_;
  TSaveNotices save_notices_;
  bool loading_ = true;
  Ref<IParamCollection> params_;
  std::vector<Ref<IGameScreenSlave>> shown_;
  Ref<TGSCollection> screens_;
  Ref<TResourceFileCollection> resource_files_;
  Ref<IEngine> engine_;
  Ref<TCursorCollection> cursors_;
  Ref<IHighScores> high_scores_;
  Ref<ILevelRecords> level_records_;
  Ref<TUserProfileCollection> user_profiles_;
  bool first_frame_pending_ = true;
  bool splash_logos_showing_ = false;
  Ref<IParamCollection> last_close_result_;
  Ref<TSoundCollection> sounds_;
  Ref<IGameScreenSlave> border_screen_;
  // "custom_settings": files of commands run once the engine is attached.
  Ref<TCustomSettingsCollection> custom_settings_;
};

// "Game".
void RegisterGameClasses();

}  // namespace corvellane
