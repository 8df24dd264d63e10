// widget_owner_interface.h: IWidgetOwner, what a widget sees of its container.
//
// Groups and decorators implement it for their children, the game screen for
// its root widget, the game object for the cursor widgets it keeps outside
// any screen. Containers answer most requests by asking their own owner, so
// a request climbs the tree to the screen; without an owner they answer
// none, 0 or do nothing.
//
//   IEngine* engine = owner ? owner->GetEngine() : nullptr;
//   owner->InvalidateRect({10, 10, 50, 30});          // screen space
//   TPoint local = owner->ChildScreenToLocal(mouse);  // into the child's space
//
// Pointers returned here are plain links into the chain above the caller:
// valid while the caller is attached, never to be kept.
#pragma once

#include <string>
#include <string_view>

#include "engine/surface_rect.h"
#include "persistence/object.h"
#include "persistence/ref.h"

namespace corvellane {

struct IEngine;
struct IEventHandler;
struct IParamCollection;
struct ISound;
struct IWidget;
struct IWindow;

struct IWidgetOwner : virtual INamedObject {
  virtual IEngine* GetEngine() = 0;
  virtual IWindow* GetWindow() = 0;
  virtual IEventHandler* GetEventHandler() = 0;
  // A screen-space point in the space of this owner's children.
  virtual TPoint ChildScreenToLocal(TPoint screen_point) = 0;
  // The mouse in screen space; (0, 0) without a screen.
  virtual TPoint GetMousePos() = 0;
  virtual void SetMousePos(TPoint screen_point) = 0;
  // A widget from the nearest factory of that name, or none.
  virtual Ref<IWidget> CreateFromFactory(std::string_view name, IParamCollection* params) = 0;
  virtual Ref<IWidget> FindWidget(std::string_view path) = 0;
  virtual Ref<ISound> FindSound(std::string_view name) = 0;
  virtual std::string GetPath() = 0;
  // Marks a screen-space rectangle for redrawing.
  virtual void InvalidateRect(const TRect& screen_rect) = 0;
};

}  // namespace corvellane
