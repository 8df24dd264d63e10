// game_interface.h: IGame, the game object as the engine drives it.
//
// The engine creates exactly one game object from the game definition file
// and calls it from its frame loop, always on the main thread:
//
//   game->AttachEngine(engine);          // once, right after loading
//   each frame:  game->UpdateFrame(dt);  game->EndFrame();
//                game->DrawFrame(canvas, x, y);   // only after an invalidation
//   input:       game->MouseEvent(e) / game->KeyEvent(e)   (true = handled)
//   closing:     game->CanClose()        // false keeps the game running
//   sounds:      game->GetTopScreenName()  // the group new sounds belong to
//   saves:       game->ReportSave("users.dat", saved, reason)   // every player file written
//   end:         game->FinishGame();     // before the engine lets go of it
//
// Mouse positions are logical pixels of the game's resolution. The game may
// keep a reference to the engine from AttachEngine, but must drop it in
// FinishGame: the engine holds the game, so a reference kept beyond that
// would keep both alive forever.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/platform/platform_interface.h"
#include "persistence/ref.h"
#include "persistence/variant.h"

namespace corvellane {

struct IEngine;
struct ISurface;

struct IGame : virtual IObject {
  virtual void AttachEngine(IEngine* engine) = 0;
  virtual void FinishGame() = 0;
  // Advances the game by the milliseconds since the previous frame.
  virtual void UpdateFrame(int32_t elapsed_ms) = 0;
  // After every update: the game reports what it changed (InvalidateRect).
  virtual void EndFrame() = 0;
  // Draws the logical screen into the surface with its top-left at (x, y).
  virtual void DrawFrame(ISurface* surface, int32_t x, int32_t y) = 0;
  // Mouse events (MouseMove, MouseDown, MouseUp), position in logical pixels.
  virtual bool MouseEvent(const PlatformEvent& event) = 0;
  // KeyDown, KeyUp, Text and AltKey events.
  virtual bool KeyEvent(const PlatformEvent& event) = 0;
  // The window gained (true) or lost (false) the focus.
  virtual void SetAppActive(bool active) = 0;
  // Asked when the player closes the window; false refuses (the game may
  // show its quit query instead).
  virtual bool CanClose() = 0;
  // Sets a game parameter (options remembered, engine parameters applied).
  virtual void SetGameParam(std::string_view name, const Variant& value) = 0;
  // The name of the screen on top, empty when none is shown.
  virtual std::string GetTopScreenName() = 0;
  // The outcome of a save of one of the player's files (a file name of the
  // settings folder); `reason` says why it failed (the system's words),
  // empty when it was saved. The engine reports every WriteSettingsText;
  // the game tells the player about failures (game/save_notices.h).
  virtual void ReportSave(std::string_view file_name, bool saved, std::string_view reason) = 0;
};

}  // namespace corvellane
