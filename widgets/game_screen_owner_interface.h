// game_screen_owner_interface.h: IGameScreenOwner, the game as its screens see it.
//
// A screen never holds the game object itself, only this interface: it shows
// and closes screens, reads and writes game parameters, reaches the engine and
// finds the game's sounds through it.
//
//   owner->ShowScreen("GS_Options", nullptr);          // push a dialog
//   owner->CloseScreen(this, result);                  // only the top one
//   owner->SetGameParam("MusicVolume", Variant(40));   // remembered as an option
#pragma once

#include <string_view>

#include "engine/engine_interface.h"
#include "persistence/params.h"
#include "persistence/ref.h"
#include "persistence/variant.h"

namespace corvellane {

struct IGameScreenSlave;
struct IGSCollection;
struct ISound;
class TSoundCollection;

struct IGameScreenOwner : virtual IObject {
  // Sets the game parameter; a persisted option is also written to the
  // options store; the value is applied to the engine.
  virtual void SetGameParam(std::string_view name, const Variant& value) = 0;
  // The same without the options store and without re-reading the display.
  virtual void SetGameParamTransient(std::string_view name, const Variant& value) = 0;
  // The parameter's value, or null when the game has no such parameter.
  virtual Variant GetGameParam(std::string_view name) = 0;
  virtual IEngine* GetEngine() = 0;
  virtual IGameScreenOwner* GetScreenOwner() = 0;

  // False when the name is unknown or the screen is already shown.
  virtual bool ShowScreen(std::string_view name, Ref<IParamCollection> parameters) = 0;
  // False unless the screen is the top one.
  virtual bool CloseScreen(IGameScreenSlave* screen, Ref<IParamCollection> result) = 0;
  virtual Ref<IGSCollection> GetScreens() = 0;
  virtual void ShowMainScreen() = 0;

  virtual Ref<TSoundCollection> GetSounds() = 0;
  virtual Ref<ISound> GetSound(std::string_view name) = 0;

  // The mouse in logical pixels ((0, 0) before the engine is attached).
  virtual TPoint GetCursorPos() = 0;
  virtual void SetCursorPos(TPoint logical) = 0;
};

}  // namespace corvellane
