#include "widgets/transform_widget.h"

#include "engine/engine_interface.h"
#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TTransformWidget::Properties() {
  using W = TTransformWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TDecorateWidget::Properties())
          .Bool("need_to_repaint", &W::NeedsRepaint, &W::SetNeedRepaint, false)
          .NameOnly()
          .Enum("blendingmode", kBlendModeNames, &W::GetBlendMode, &W::SetBlendMode, TBlendMode::Normal,
                Table::Always());
  return table;
}

void TTransformWidget::Cleanup() {
  work_ = nullptr;
  TDecorateWidget::Cleanup();
}

void TTransformWidget::ClearOwner() {
  // The picture was made by the engine of the tree being left.
  work_ = nullptr;
  TDecorateWidget::ClearOwner();
}

void TTransformWidget::SetNeedRepaint(bool repaint) {
  // A new picture nobody redraws would show only where something else
  // happens to be redrawn: asking for one also marks the widget changed.
  if (repaint)
    RequestRepaint();
  else
    need_repaint_ = false;
}

void TTransformWidget::SetBlendMode(TBlendMode mode) {
  if (mode == blend_mode_) return;
  blend_mode_ = mode;
  SetChanged(true);
}

void TTransformWidget::RequestRepaint() {
  SetChanged(true);
  SetGeometryChanged();
  need_repaint_ = true;
}

TPoint TTransformWidget::RoundedAnchor() const {
  return {RoundToPixel(GetAnchorLeft()), RoundToPixel(GetAnchorTop())};
}

double TTransformWidget::GetLeft() { return SaturatingAdd(RoundedAnchor().x, GetRenderOffset().x); }

double TTransformWidget::GetTop() { return SaturatingAdd(RoundedAnchor().y, GetRenderOffset().y); }

TRect TTransformWidget::InnerRect() { return GetInnerWidget() ? GetInnerWidget()->GetRect() : TRect{}; }

TPoint TTransformWidget::InnerAnchorInRect() {
  const Ref<IWidget>& inner = GetInnerWidget();
  if (!inner) return {};
  const TRect rect = inner->GetRect();
  return {RoundToPixel(inner->GetAnchorLeft()) - rect.left, RoundToPixel(inner->GetAnchorTop()) - rect.top};
}

void TTransformWidget::DrawInner(ISurface& surface) {
  const TPoint origin = InnerOrigin();
  if (GetInnerWidget()) GetInnerWidget()->Draw(&surface, origin.x, origin.y);
}

TPoint TTransformWidget::InnerOriginAtAnchor() {
  const TPoint origin = InnerOrigin();
  return {-origin.x, -origin.y};
}

void TTransformWidget::CopyInnerThroughMask(ISurface& work, const ISurface& mask) {
  Ref<ISurface> picture = InnerImage();
  if (!picture) return;
  const TRect all{0, 0, picture->GetWidth(), picture->GetHeight()};
  work.CopyMasked(picture.get(), all, all, {0, 0, mask.GetWidth(), mask.GetHeight()}, &mask);
}

TPoint TTransformWidget::WorkOffsetOf(IWidget& other) {
  // Both corners on the screen: each widget's rectangle corner moved by
  // where its owner space starts.
  const TPoint other_space = other.ScreenToLocal({0, 0});
  const TPoint own_space = ScreenToLocal({0, 0});
  const TRect other_rect = other.GetRect();
  const TRect own_rect = GetRect();
  return {(other_rect.left - other_space.x) - (own_rect.left - own_space.x),
          (other_rect.top - other_space.y) - (own_rect.top - own_space.y)};
}

void ClearCovered(ISurface& target, const ISurface& cover, TPoint offset, bool whole_rect) {
  const TRect overlap = Intersect({0, 0, target.GetWidth(), target.GetHeight()},
                                  OffsetRect({0, 0, cover.GetWidth(), cover.GetHeight()}, offset.x, offset.y));
  for (int32_t y = overlap.top; y < overlap.bottom; ++y) {
    uint32_t* row = target.GetScanLine(y);
    const uint32_t* cover_row = cover.GetScanLine(y - offset.y);
    for (int32_t x = overlap.left; x < overlap.right; ++x)
      if (whole_rect || (cover_row[x - offset.x] >> 24) != 0) row[x] = 0;
  }
}

Ref<ISurface> TTransformWidget::InnerImage() {
  return GetInnerWidget() ? GetInnerWidget()->GetImage() : nullptr;
}

Ref<ISurface> TTransformWidget::NewSurface(int32_t width, int32_t height) {
  IEngine* engine = GetEngine();
  Ref<ISurface> surface = engine ? engine->CreateSurface() : nullptr;
  if (!surface || int64_t{width} * height > kMaxWorkSurfacePixels || !surface->SetSize(width, height))
    return nullptr;
  surface->SetHasAlpha(true);
  return surface;
}

bool TTransformWidget::Prepare() {
  if (!GetInnerWidget()) return false;
  const TRect r = GetRect();
  if (r.IsEmpty() || r.Width() * r.Height() > kMaxWorkSurfacePixels) return false;
  const int32_t width = static_cast<int32_t>(r.Width());
  const int32_t height = static_cast<int32_t>(r.Height());
  if (!work_) {
    IEngine* engine = GetEngine();
    if (!engine || !(work_ = engine->CreateSurface())) return false;
    work_->SetHasAlpha(true);
    need_repaint_ = true;
  }
  if (work_->GetWidth() != width || work_->GetHeight() != height) {
    // A resized surface is blank: it must be rendered again.
    if (!work_->SetSize(width, height)) return false;
    need_repaint_ = true;
  }
  if (need_repaint_) {
    // Cleared first: Render may run again from inside (a hit-test of the
    // inner widget), and must then find nothing left to do.
    need_repaint_ = false;
    work_->Clear();
    Render(*work_);
  }
  return true;
}

void TTransformWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (!surface || !Prepare()) return;
  const TPoint offset = GetRenderOffset();
  x = SaturatingAdd(x, offset.x);
  y = SaturatingAdd(y, offset.y);
  const int32_t width = work_->GetWidth();
  const int32_t height = work_->GetHeight();
  surface->DrawImage(work_.get(), {0, 0, width, height}, blend_mode_, GetTransparentLevel(),
                     {x, y, SaturatingAdd(x, width), SaturatingAdd(y, height)});
}

TPoint TTransformWidget::WorkPointOf(TPoint owner_point) {
  const TRect r = GetRect();
  return {owner_point.x - r.left, owner_point.y - r.top};
}

bool TTransformWidget::ContainsPoint(TPoint point, bool ignore_visibility) {
  if (!TDecorateWidget::ContainsPoint(point, ignore_visibility) || !Prepare()) return false;
  // The same corner Draw uses, so a click hits exactly the drawn pixels.
  const TPoint work = WorkPointOf(point);
  return (work_->GetPixel(work.x, work.y) >> 24) != 0;
}

Ref<IWidget> TTransformWidget::WidgetAtPos(TPoint point) {
  if (!IsVisible() || !IsMouseStop() || !ContainsPoint(point, false)) return nullptr;
  Ref<IWidget> self(static_cast<IWidget*>(this));
  const Ref<IWidget>& inner = GetInnerWidget();
  if (!inner) return self;
  Ref<IWidget> inner_hit = inner->WidgetAtPos(InverseTransformPoint(WorkPointOf(point)));
  return inner_hit ? inner_hit : self;
}

TPoint TTransformWidget::InverseTransformPoint(TPoint work_point) {
  const Ref<IWidget>& inner = GetInnerWidget();
  if (!inner) return work_point;
  const TPoint origin = InnerOrigin();
  return {work_point.x - origin.x + RoundToPixel(inner->GetAnchorLeft()),
          work_point.y - origin.y + RoundToPixel(inner->GetAnchorTop())};
}

TPoint TTransformWidget::ChildScreenToLocal(TPoint screen_point) {
  const TPoint own = ScreenToLocal(screen_point);
  return InverseTransformPoint(WorkPointOf(own));
}

void TTransformWidget::InvalidateRect(const TRect& screen_rect) { RequestRepaint(); }

void TTransformWidget::UpdateDirtyRegion(bool force_old, bool force_new) {
  if (const Ref<IWidget>& inner = GetInnerWidget()) {
    inner->UpdateDirtyRegion(false, false);
    if (inner->IsInvalidated()) RequestRepaint();
  }
  // The drawn area follows the inner widget's size and position too; any
  // move of it must redraw the old area as well as the new one.
  if (WasVisible() && IsVisible()) {
    const TPoint origin = OwnerOriginOnScreen();
    if (OffsetRect(GetRect(), origin.x, origin.y) != GetPreviousRect()) SetGeometryChanged();
  }
  TDecorateWidget::UpdateDirtyRegion(force_old, force_new);
}

}  // namespace corvellane
