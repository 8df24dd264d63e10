#include "widgets/behaviour_widget.h"

#include "widgets/pixel_rounding.h"

namespace corvellane {

double TBehaviourWidget::GetLeft() {
  return GetAnchorLeft() + (GetInnerWidget() ? GetInnerWidget()->GetLeft() : 0.0);
}

double TBehaviourWidget::GetTop() {
  return GetAnchorTop() + (GetInnerWidget() ? GetInnerWidget()->GetTop() : 0.0);
}

int32_t TBehaviourWidget::GetWidth() { return GetInnerWidget() ? GetInnerWidget()->GetWidth() : 0; }

int32_t TBehaviourWidget::GetHeight() { return GetInnerWidget() ? GetInnerWidget()->GetHeight() : 0; }

void TBehaviourWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  const Ref<IWidget>& inner = GetInnerWidget();
  if (!inner) return;
  inner->Draw(surface, SaturatingAdd(x, RoundToPixel(inner->GetAnchorLeft())),
              SaturatingAdd(y, RoundToPixel(inner->GetAnchorTop())));
}

void TBehaviourWidget::UpdateDirtyRegion(bool force_old, bool force_new) {
  if (const Ref<IWidget>& inner = GetInnerWidget()) {
    inner->UpdateDirtyRegion(force_old, force_new);
    // What the inner widget changed is drawn through this decorator, so the
    // decorator's own rectangles (old and new) are what must be redrawn.
    if (inner->IsInvalidated()) {
      SetChanged(true);
      SetGeometryChanged();
    }
  }
  TDecorateWidget::UpdateDirtyRegion(force_old, force_new);
}

}  // namespace corvellane
