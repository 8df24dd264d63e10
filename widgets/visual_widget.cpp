#include "widgets/visual_widget.h"

#include <cmath>

#include "engine/engine_interface.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TVisualWidget::Properties() {
  using W = TVisualWidget;
  using Table = TPropertyTableOf<W>;
  // Both anchors are written when either is not 0.
  auto placed = Table::When([](W& w) { return w.anchor_left_ != 0.0 || w.anchor_top_ != 0.0; });
  static const TPropertyTable table = Table(TAbstractWidget::Properties())
                                          .Bool("visible", &W::IsVisible, &W::SetVisible, false)
                                          .Int("z", &W::GetZ, &W::SetZ, 0)
                                          .Float("anchor_left", &W::GetAnchorLeft, &W::SetAnchorLeft, 0.0, placed)
                                          .Float("anchor_top", &W::GetAnchorTop, &W::SetAnchorTop, 0.0, placed)
                                          .Bool("mousestop", &W::IsMouseStop, &W::SetMouseStop, false);
  return table;
}

void TVisualWidget::SetZ(int32_t z) {
  if (z == z_) return;
  z_ = z;
  SetChanged(true);
}

void TVisualWidget::SetAnchorLeft(double x) {
  if (!std::isfinite(x) || x == anchor_left_) return;
  anchor_left_ = x;
  geometry_changed_ = true;
}

void TVisualWidget::SetAnchorTop(double y) {
  if (!std::isfinite(y) || y == anchor_top_) return;
  anchor_top_ = y;
  geometry_changed_ = true;
}

TPoint TVisualWidget::OwnerOriginOnScreen() {
  const TPoint local_of_screen_origin = ScreenToLocal({0, 0});
  return {-local_of_screen_origin.x, -local_of_screen_origin.y};
}

Ref<ISurface> TVisualWidget::GetImage() {
  IWidgetOwner* owner = GetOwner();
  IEngine* engine = owner ? owner->GetEngine() : nullptr;
  if (!engine) return nullptr;
  const TRect r = GetRect();
  Ref<ISurface> image = engine->CreateSurface();
  if (!image || !image->SetSize(static_cast<int32_t>(r.Width()), static_cast<int32_t>(r.Height())))
    return image;
  image->SetHasAlpha(true);
  image->Clear();
  // The origin lands where drawing would put it relative to the rectangle:
  // the rounded anchor, the same rounding the owner applies when it draws.
  Draw(image.get(), RoundToPixel(anchor_left_) - r.left, RoundToPixel(anchor_top_) - r.top);
  return image;
}

void TVisualWidget::UpdateDirtyRegion(bool force_old, bool force_new) {
  TAbstractWidget::UpdateDirtyRegion(force_old, force_new);
  IWidgetOwner* owner = GetOwner();
  if (!owner) return;
  const bool visible = IsVisible();
  if (was_visible_ && (geometry_changed_ || !visible || force_old)) {
    owner->InvalidateRect(previous_rect_);
    if (!visible) SetInvalidated(true);
  }
  if (visible && !IsDead() &&
      (geometry_changed_ || first_frame_ || IsChanged() || force_new || !was_visible_)) {
    const TPoint origin = OwnerOriginOnScreen();
    current_rect_ = OffsetRect(GetRect(), origin.x, origin.y);
    owner->InvalidateRect(current_rect_);
    SetInvalidated(true);
  }
  first_frame_ = false;
  geometry_changed_ = false;
  SetChanged(false);
  previous_rect_ = current_rect_;
  was_visible_ = visible;
}

}  // namespace corvellane
