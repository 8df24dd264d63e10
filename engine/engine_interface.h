// engine_interface.h: IEngine, what the game, its screens and its resources
// may ask of the engine.
//
// The engine is the one object that owns the window, the canvas, the frame
// loop, the engine parameters and the loaded resources. Everything here is
// called from the main thread, also from inside the game's own callbacks.
//
//   engine->SetEngineParam("ScreenWidth", "800");
//   engine->ApplyDisplaySettings();            // display rebuilt next frame
//   engine->InvalidateRect({0, 0, 100, 50});   // game redrawn next frame
//   std::string text = engine->ReadTextFile("data\\ini\\a.ini", key);
//
// Engine parameters are texts. Those the engine knows:
//   "ScreenWidth", "ScreenHeight"  logical resolution ("640" x "480")
//   "ScreenBPP"                    requested colour depth ("0": the desktop's)
//   "FullScreenMode"               "yes" / "no"
//   "WideScreenMode"               "yes" / "no" / "system"
//   "IsAvailableWideScreenMode", "IsAvailableWindowedMode"  for the options
//   "ApplicationCaption"           the window title (UTF-8)
//   "SoundVolume", "MusicVolume"   0 .. 100
//   "ShowFPS", "ShowRects"         "yes" (any case) / "no"
// Display parameters take effect only through ApplyDisplaySettings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/game_interface.h"
#include "engine/resource.h"
#include "engine/resource_collection.h"
#include "engine/resource_engine_interface.h"
#include "engine/sound_manager_interface.h"
#include "engine/surface.h"
#include "engine/surface_rect.h"
#include "persistence/variant.h"

namespace corvellane {

struct IEngine : virtual IResourceEngine {
  virtual std::string GetSettingsFolder() = 0;
  // Saves a text file in the settings / program folder; false on failure.
  // Every settings save is reported to the game (IGame::ReportSave), which
  // tells the player when one fails.
  virtual bool WriteSettingsText(std::string_view text, std::string_view file_name) = 0;
  virtual bool WriteProgramText(std::string_view text, std::string_view file_name) = 0;

  // Stores the value and reacts to the volumes and the display flags.
  virtual void SetEngineParam(std::string_view name, const Variant& value) = 0;
  // The value, or null when there is no such parameter.
  virtual Variant GetEngineParam(std::string_view name) = 0;
  // Reads the display parameters (the display is rebuilt before the next
  // frame when they changed) and refreshes the window caption.
  virtual void ApplyDisplaySettings() = 0;

  // A data file as text (lines joined with CR LF), deciphered with the key
  // when one is given; empty when it cannot be read.
  virtual std::string ReadTextFile(std::string_view name, std::optional<std::string_view> key) = 0;

  // Frees the data of the owner's resources (all when empty); their
  // definitions stay and load again on next use.
  virtual void UnloadResources(std::string_view owner) = 0;
  // The resource of exactly that name, or none.
  virtual Ref<IResource> GetResource(std::string_view name) = 0;
  virtual Ref<IResourceCollection> GetResources() = 0;

  // Sound and music, forwarded to the sound manager (sound_manager.h); the
  // definitions are the game's ISound / IMusic objects. Without a sound
  // manager everything is silent and answers 0 / false.
  virtual ChannelHandle PlayMusic(IObject* music) = 0;
  virtual void StopMusic(IObject* music) = 0;
  // -1: the default time.
  virtual void FadeOutMusic(int32_t milliseconds) = 0;
  virtual void FadeInMusic(int32_t milliseconds) = 0;
  virtual ChannelHandle PlaySoundSample(IObject* sound) = 0;
  virtual void StopSoundByName(IObject* sound) = 0;
  // true pauses the sounds started while that screen was on top; false resumes them.
  virtual void PauseOwnerSounds(std::string_view owner, bool pause) = 0;
  virtual void StopAllSounds() = 0;
  virtual void StopOwnerSounds(std::string_view owner) = 0;
  virtual bool IsSoundPlaying(ChannelHandle channel) = 0;
  virtual void SetMusicVolume(const Variant& volume) = 0;
  virtual bool IsSoundActive() = 0;
  virtual void SetSoundActive(bool active) = 0;

  virtual Ref<ISurface> CreateSurface() = 0;
  virtual Ref<IGame> GetGame() = 0;

  // Marks a logical rectangle for redrawing; the game draws at the end of
  // the frame when anything was marked.
  virtual void InvalidateRect(const TRect& rect) = 0;
  virtual void ClearDirtyRects() = 0;

  // The mouse pointer in logical pixels.
  virtual TPoint GetCursorPos() = 0;
  virtual void SetCursorPos(TPoint logical) = 0;
  virtual void HideSystemCursor() = 0;
  virtual void ShowSystemCursor() = 0;

  // Ends the frame loop after the current iteration (the game asked for it,
  // so it is not asked again).
  virtual void Quit() = 0;
  // Quit, because the game cannot go on (it has logged why): Run answers
  // false and the program exits with a failure status.
  virtual void QuitWithFailure() = 0;
  // An existing file / a web address with the desktop's default program;
  // the window is minimised so that it shows. False for a missing file.
  virtual bool OpenFileExternally(std::string_view file_name) = 0;
  virtual void OpenWebAddress(std::string_view address) = 0;

  // The game's UpdateFrame, then its EndFrame.
  virtual void UpdateGame(int32_t elapsed_ms) = 0;
};

}  // namespace corvellane
