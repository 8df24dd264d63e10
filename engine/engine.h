// engine.h: TEngine, the process's one engine object.
//
// The engine owns the window (through an IPlatform), the canvas the game
// draws into, the frame loop, the engine parameters and the loaded
// resources. Start reads the game definition file, creates the game object
// from its "type" through the class registry and attaches itself to it; Run
// drives the game until the player or the game ends it; Finish lets go of
// everything.
//
//   THeadlessPlatform platform(options);
//   Ref<TEngine> engine = CreateEngine(platform);
//   if (engine->Start(product::GameDefinitionFile)) engine->Run();
//   engine->Finish();
//
// Frame loop: each iteration either handles one waiting platform event
// (input goes to the game in logical pixels) or runs one frame: paced to at
// most one per 8 ms by the platform's frame clock, the display (re)built
// when its parameters changed, the game updated by the elapsed time, drawn
// when something was invalidated, and the canvas presented. An exception
// thrown inside one iteration is reported on stderr and the loop goes on, so
// one bad frame does not end the player's game. A close request ends the loop
// only when the game's CanClose agrees; Quit and the platform's Quit event
// end it at once.
//
// The canvas always has the logical size: the platform scales it into the
// window or screen, so the logical screen sits at offset (0, 0) in it.
//
// F12 is the engine's own: it saves what the game shows as a PNG in the
// player's pictures folder (screenshot.h); the game never sees the key.
//
// The game definition file is read enciphered with the definitions key; a
// file that is already plain XML (it starts with "<", which the hexadecimal
// form never does) is taken as it is, so unpacked development data loads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/audio/mixer.h"
#include "engine/engine_interface.h"
#include "engine/platform/platform_interface.h"
#include "engine/resource_collection.h"
#include "engine/resource_owner.h"
#include "persistence/object.h"
#include "persistence/params.h"
#include "shell/engine_runner_interface.h"

namespace corvellane {

// What makes the engine run one particular product: the window caption
// before the game sets its own, and the key the game definition and the
// resource definition files are enciphered with (empty: they are plain).
// The composition root fills it from the product's declarations.
struct EngineIdentity {
  std::string caption;
  std::string definitions_key;
  // The start of screenshot file names (screenshot.h).
  std::string screenshot_name = "screenshot";
};

class TEngine : public TAbstractObject,
                public virtual IEngine,
                public virtual IResourceOwner,
                public virtual IEngineRunner {
 public:
  explicit TEngine(IPlatform& platform, EngineIdentity identity = {});
  ~TEngine() override;

  void Init() override;

  // IEngineRunner
  bool Start(std::string_view game_definition_file) override;
  bool Run() override;
  void Finish() override;

  // IResourceEngine
  std::string GetProgramFolder() override;
  void LoadResourceDefs(IHierStorage* node, std::string_view owner, bool pump_frames) override;
  void LoadResourceDefsFile(std::string_view file, std::string_view owner, bool pump_frames) override;
  void RemoveResources(std::string_view owner) override;
  void DeleteResource(std::string_view name) override;

  // IResourceOwner: files through the resource reader, sounds into the mixer.
  std::optional<std::string> ReadResourceBytes(std::string_view file) override;
  SampleHandle LoadSample(std::string_view file, int max_playbacks, bool loop) override;
  void FreeSample(SampleHandle sample) override;
  ChannelHandle LoadMusicModule(std::string_view file) override;
  void FreeMusicModule(ChannelHandle module) override;
  TLoopingSample LoadLoopingSample(std::string_view file) override;
  Ref<IResource> GetResource(std::string_view name) override;

  // IEngine
  std::string GetSettingsFolder() override;
  bool WriteSettingsText(std::string_view text, std::string_view file_name) override;
  bool WriteProgramText(std::string_view text, std::string_view file_name) override;
  void SetEngineParam(std::string_view name, const Variant& value) override;
  Variant GetEngineParam(std::string_view name) override;
  void ApplyDisplaySettings() override;
  std::string ReadTextFile(std::string_view name, std::optional<std::string_view> key) override;
  void UnloadResources(std::string_view owner) override;
  Ref<IResourceCollection> GetResources() override { return resources_; }
  ChannelHandle PlayMusic(IObject* music) override;
  void StopMusic(IObject* music) override;
  void FadeOutMusic(int32_t milliseconds) override;
  void FadeInMusic(int32_t milliseconds) override;
  ChannelHandle PlaySoundSample(IObject* sound) override;
  void StopSoundByName(IObject* sound) override;
  void PauseOwnerSounds(std::string_view owner, bool pause) override;
  void StopAllSounds() override;
  void StopOwnerSounds(std::string_view owner) override;
  bool IsSoundPlaying(ChannelHandle channel) override;
  void SetMusicVolume(const Variant& volume) override;
  bool IsSoundActive() override;
  void SetSoundActive(bool active) override;
  Ref<ISurface> CreateSurface() override;
  Ref<IGame> GetGame() override { return game_; }
  void InvalidateRect(const TRect& rect) override;
  void ClearDirtyRects() override;
  TPoint GetCursorPos() override;
  void SetCursorPos(TPoint logical) override;
  void HideSystemCursor() override;
  void ShowSystemCursor() override;
  void Quit() override;
  void QuitWithFailure() override;
  bool OpenFileExternally(std::string_view file_name) override;
  void OpenWebAddress(std::string_view address) override;
  void UpdateGame(int32_t elapsed_ms) override;

  // The sound manager plays everything; set it before Start (without one the
  // game is silent).
  void SetSoundManager(Ref<ISoundManager> sound) { sound_ = std::move(sound); }
  // Run returns once that many frames ran in all (0: no limit), for
  // automated runs; raising the limit lets Run go on.
  void SetFrameLimit(int32_t frames) { frame_limit_ = frames; }
  int32_t FramesRun() const { return frames_run_; }

  // For tests and tools.
  Ref<IResource> FindResource(std::string_view name);
  TMixer& Mixer() { return mixer_; }
  bool IsRedrawNeeded() const { return redraw_needed_; }
  const ISurface& Canvas() const { return *canvas_; }
  bool ShowFps() const { return show_fps_; }
  bool ShowRects() const { return show_rects_; }

 private:
  void WriteDefaultParams();
  void StartSound();
  bool LoadGame(std::string_view file);
  // The game the file describes, loaded; none (and one warning beginning
  // with `where` that says what is wrong) when there is none to be had.
  Ref<IGame> CreateGame(std::string_view file, const std::string& where);
  // A definition file's stored text as XML text: as it is when plain, else
  // deciphered; empty when it is neither.
  std::string DefinitionText(const std::string& stored) const;
  void LoadResourceDef(IHierStorage* def, std::string_view owner);
  void RefreshCaption();

  // One iteration of the frame loop: one event, or one frame.
  void RunIteration();
  void RunIterationGuarded();
  void HandleEvent(const PlatformEvent& event);
  void HandleCloseRequest();
  void RunFrame();
  bool SetUpDisplay();
  DisplayMode ChooseDisplayMode(DisplaySize logical);
  void Present();
  // The canvas as the platform and the PNG writer take it.
  CanvasView CanvasViewOf() const;
  // F12: the canvas into the player's pictures folder (screenshot.h).
  void SaveScreenshotOfCanvas();

  // None when the definition files are plain.
  std::optional<std::string_view> DefinitionsKey() const;

  IPlatform& platform_;
  const EngineIdentity identity_;
  int32_t logical_width_ = 640;
  int32_t logical_height_ = 480;
  int32_t requested_depth_ = 0;
  bool full_screen_ = false;
  bool widescreen_ = false;
  bool display_pending_ = true;
  std::string caption_;
  DisplaySize window_size_;
  bool window_open_ = false;

  Ref<IGame> game_;
  Ref<ISurface> canvas_;
  Ref<IParamCollection> params_;
  // The mixer outlives the resources whose samples live in it.
  TMixer mixer_;
  bool audio_open_ = false;
  Ref<ISoundManager> sound_;
  int32_t frame_limit_ = 0;
  int32_t frames_run_ = 0;
  Ref<TResourceCollection> resources_;
  TPoint logical_offset_;

  bool running_ = false;
  bool redraw_needed_ = false;
  bool show_fps_ = false;
  bool show_rects_ = true;
  bool quit_ = false;
  bool failed_ = false;
  bool system_cursor_shown_ = true;
  bool finished_ = true;
};

// A new engine over the platform, initialised. The platform must outlive it.
Ref<TEngine> CreateEngine(IPlatform& platform, EngineIdentity identity = {});

}  // namespace corvellane
