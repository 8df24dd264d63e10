// window_interface.h: IWindow, the game screen as its widgets see it.
//
// The screen owns the root of a widget tree and routes input into it; widgets
// reach it through GetWindow of their owner chain to take the mouse capture
// and the keyboard focus, and to resolve "window:" paths.
//
//   if (IWindow* window = owner->GetWindow()) window->SetCapture(this);
//   ...
//   window->ReleaseCapture();      // the holder gets CaptureLost
//
// Changing capture or focus notifies the previous holder (CaptureLost,
// FocusLost) and, for focus, the new one (FocusGained). ResetFocus forgets
// both silently and then invalidates the whole root.
#pragma once

#include <string_view>

#include "engine/audio/mixer.h"
#include "engine/surface_rect.h"
#include "persistence/object.h"
#include "persistence/ref.h"

namespace corvellane {

struct IWidget;
struct IWidgetCollection;

struct IWindow : virtual IPropertyObject {
  virtual void SetCapture(IWidget* widget) = 0;
  virtual void ReleaseCapture() = 0;
  virtual Ref<IWidget> GetCapture() = 0;
  virtual void SetFocus(IWidget* widget) = 0;
  virtual void ClearFocus() = 0;
  virtual Ref<IWidget> GetFocus() = 0;
  // The root's children.
  virtual Ref<IWidgetCollection> GetWidgets() = 0;
  virtual void ResetFocus() = 0;
  // The root's hit-test with a screen-space point.
  virtual Ref<IWidget> WidgetAtPos(TPoint screen_point) = 0;
  virtual Ref<IWidget> FindWidget(std::string_view path) = 0;
  // Sounds of the root widget.
  virtual ChannelHandle PlayWindowSound(std::string_view name) = 0;
  virtual void StopWindowSound(std::string_view name) = 0;
};

}  // namespace corvellane
