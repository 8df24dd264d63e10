#include "particles/particle_group_widget.h"

#include "widgets/pixel_rounding.h"

namespace corvellane {

void TParticleGroupWidget::SetOwner(IWidgetOwner* owner) {
  TGroupWidget::SetOwner(owner);
  HideChildren();
}

void TParticleGroupWidget::HideChildren() {
  ForEachChildBackwards([](IWidget& child) { child.SetVisible(false); });
}

void TParticleGroupWidget::ResetBounds() {
  bounds_ = {-1, -1, -1, -1};
  any_rect_ = false;
}

void TParticleGroupWidget::AddParticleRect(const TRect& rect) {
  bounds_ = any_rect_ ? BoundingBox(bounds_, rect) : rect;
  any_rect_ = true;
}

void TParticleGroupWidget::FinishBounds(bool has_content) {
  if (any_rect_) bounds_ = OffsetRect(bounds_, RoundToPixel(GetAnchorLeft()), RoundToPixel(GetAnchorTop()));
  if (has_content || had_content_) SetGeometryChanged();
  had_content_ = has_content;
}

}  // namespace corvellane
