// game_screen_slave_interface.h: IGameScreenSlave, a screen as the game drives it.
//
// The game keeps a stack of shown screens. Only the top one advances and
// gets input; every shown screen not entirely covered by one above it is
// drawn, bottom to top. A closing screen may still be visible for a while (its
// hide effect runs); it leaves the stack when IsOpen turns false.
//
//   screen->SetOwner(game);          // once, when the game starts
//   screen->Open(parameters);           // pushed onto the stack
//   each frame (top screen): screen->Advance(ms);
//   each frame (all shown):  screen->EndFrame();   screen->Draw(canvas, 0, 0);
//   screen->Close();                    // hide effect; gone when !IsOpen()
#pragma once

#include <cstdint>
#include <string>

#include "engine/platform/platform_interface.h"
#include "engine/surface.h"
#include "engine/surface_rect.h"
#include "persistence/object.h"
#include "persistence/params.h"
#include "widgets/widget_interface.h"
#include "widgets/window_interface.h"

namespace corvellane {

struct IGameScreenOwner;

struct IGameScreenSlave : virtual INamedObject {
  virtual void SetOwner(IGameScreenOwner* owner) = 0;
  virtual void ClearOwner() = 0;
  virtual void Open(Ref<IParamCollection> parameters) = 0;
  virtual void Close() = 0;
  // The screen became / stopped being the top screen.
  virtual void Activate() = 0;
  virtual void Deactivate() = 0;
  virtual void Advance(int32_t elapsed_ms) = 0;
  virtual void Draw(ISurface* surface, int32_t x, int32_t y) = 0;
  virtual TRect GetScreenRect() = 0;
  virtual void SetAppActive(bool active) = 0;
  // True when the screen handled the event.
  virtual bool MouseEvent(const PlatformEvent& event) = 0;
  virtual bool KeyEvent(const PlatformEvent& event) = 0;
  // The screen above it closed with this result.
  virtual void ChildClosed(std::string_view name, Ref<IParamCollection> result) = 0;
  virtual Ref<IWindow> GetScreenWindow() = 0;
  // The root widget. (Not named GetWindow: a screen is also its root's
  // IWidgetOwner, whose GetWindow answers the screen's IWindow.)
  virtual Ref<IWidget> GetWindowWidget() = 0;
  // Reports the areas the screen changed this frame.
  virtual void EndFrame() = 0;
  virtual bool IsOpen() = 0;
};

}  // namespace corvellane
