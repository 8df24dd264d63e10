// container_widget.h: TContainerWidget, the owner side shared by groups and
// decorators.
//
// A container is a visual widget that holds other widgets and is their
// owner (IWidgetOwner). Requests that concern the whole screen (engine,
// window, event handler, mouse, redraw rectangles) climb on to the
// container's own owner; without one they answer none, (0, 0) or do nothing.
// Children's coordinates start at the container's rounded anchor.
//
//   class TMyDecorator : public TContainerWidget { ... };
//   child->SetOwner(this);                  // child now reaches the screen
//   TPoint local = ChildScreenToLocal(mouse);   // point in the child's space
#pragma once

#include "widgets/visual_widget.h"
#include "widgets/widget_owner_interface.h"

namespace corvellane {

class TContainerWidget : public TVisualWidget, public virtual IWidgetOwner {
 public:
  IEngine* GetEngine() override;
  IWindow* GetWindow() override;
  IEventHandler* GetEventHandler() override;
  TPoint ChildScreenToLocal(TPoint screen_point) override;
  TPoint GetMousePos() override;
  void SetMousePos(TPoint screen_point) override;
  // The owner's factories; groups look in their own first.
  Ref<IWidget> CreateFromFactory(std::string_view name, IParamCollection* params) override;
  void InvalidateRect(const TRect& screen_rect) override;

  // The container's own path, sounds and widgets serve its children too.
  Ref<IWidget> FindWidget(std::string_view path) override { return TVisualWidget::FindWidget(path); }
  Ref<ISound> FindSound(std::string_view name) override { return TVisualWidget::FindSound(name); }
  std::string GetPath() override { return TVisualWidget::GetPath(); }

 protected:
  // This container as the owner its children are given.
  IWidgetOwner* AsOwner() { return this; }
};

}  // namespace corvellane
