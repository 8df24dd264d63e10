#include "widgets/container_widget.h"

#include "widgets/pixel_rounding.h"

namespace corvellane {

IEngine* TContainerWidget::GetEngine() { return GetOwner() ? GetOwner()->GetEngine() : nullptr; }

IWindow* TContainerWidget::GetWindow() { return GetOwner() ? GetOwner()->GetWindow() : nullptr; }

IEventHandler* TContainerWidget::GetEventHandler() {
  return GetOwner() ? GetOwner()->GetEventHandler() : nullptr;
}

TPoint TContainerWidget::ChildScreenToLocal(TPoint screen_point) {
  const TPoint own = ScreenToLocal(screen_point);
  return OffsetPoint(own, -RoundToPixel(GetAnchorLeft()), -RoundToPixel(GetAnchorTop()));
}

TPoint TContainerWidget::GetMousePos() { return GetOwner() ? GetOwner()->GetMousePos() : TPoint{}; }

void TContainerWidget::SetMousePos(TPoint screen_point) {
  if (GetOwner()) GetOwner()->SetMousePos(screen_point);
}

Ref<IWidget> TContainerWidget::CreateFromFactory(std::string_view name, IParamCollection* params) {
  return GetOwner() ? GetOwner()->CreateFromFactory(name, params) : nullptr;
}

void TContainerWidget::InvalidateRect(const TRect& screen_rect) {
  if (GetOwner()) GetOwner()->InvalidateRect(screen_rect);
}

}  // namespace corvellane
