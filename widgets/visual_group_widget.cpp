#include "widgets/visual_group_widget.h"

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TVisualGroupWidget::Properties() {
  using W = TVisualGroupWidget;
  static const TPropertyTable table =
      TPropertyTableOf<W>(TGroupWidget::Properties())
          .Bool("caching", &W::IsCaching, &W::SetCaching, false)
          // The cache itself is built when the screen first invalidates the tree.
          .LoadsWith([](W& w, const Variant& v) { w.caching_ = v.ToBool(); })
          .Bool("returnselfbypos", &W::ReturnsSelfByPos, &W::SetReturnSelfByPos, false)
          .Computed("cachesurface", &W::GetCache);
  return table;
}

void TVisualGroupWidget::SetCaching(bool caching) {
  caching_ = caching;
  Invalidate();
}

void TVisualGroupWidget::Invalidate() {
  TGroupWidget::Invalidate();
  // The old picture's area must be redrawn as well as the new one's.
  if (cache_ || caching_) SetGeometryChanged();
  cache_ = nullptr;
  if (!caching_) return;
  // The cache is the group rendered the plain way, children one by one.
  caching_ = false;
  const TRect r = ChildrenRect();
  const TPoint anchor = RoundedAnchor();
  cache_offset_ = {r.left - anchor.x, r.top - anchor.y};
  cache_ = GetImage();
  caching_ = true;
}

TPoint TVisualGroupWidget::RoundedAnchor() const {
  return {RoundToPixel(GetAnchorLeft()), RoundToPixel(GetAnchorTop())};
}

TRect TVisualGroupWidget::GetRect() { return caching_ && cache_ ? CacheRect() : ChildrenRect(); }

TRect TVisualGroupWidget::CacheRect() const {
  const TPoint anchor = RoundedAnchor();
  const TRect size{0, 0, cache_->GetWidth(), cache_->GetHeight()};
  return OffsetRect(size, SaturatingAdd(anchor.x, cache_offset_.x), SaturatingAdd(anchor.y, cache_offset_.y));
}

TRect TVisualGroupWidget::ChildrenRect() {
  const TPoint anchor = RoundedAnchor();
  TRect bounds{anchor.x, anchor.y, anchor.x, anchor.y};
  bool any = false;
  ForEachChildBackwards([&](IWidget& child) {
    if (!child.IsVisible()) return;
    const TRect r = OffsetRect(child.GetRect(), anchor.x, anchor.y);
    bounds = any ? BoundingBox(bounds, r) : r;
    any = true;
  });
  return bounds;
}

double TVisualGroupWidget::GetLeft() { return GetRect().left; }

double TVisualGroupWidget::GetTop() { return GetRect().top; }

int32_t TVisualGroupWidget::GetWidth() { return static_cast<int32_t>(GetRect().Width()); }

int32_t TVisualGroupWidget::GetHeight() { return static_cast<int32_t>(GetRect().Height()); }

void TVisualGroupWidget::Draw(ISurface* surface, int32_t x, int32_t y) {
  if (caching_) DrawCache(surface, x, y);
  else DrawChildren(surface, x, y);
}

void TVisualGroupWidget::DrawChildren(ISurface* surface, int32_t x, int32_t y) {
  TWidgetCollection& children = Children();
  for (int i = 0; i < children.Count(); ++i) {
    Ref<IWidget> child = children.GetWidgetAt(i);
    if (!child || !child->IsVisible()) continue;
    child->Draw(surface, SaturatingAdd(x, RoundToPixel(child->GetAnchorLeft())),
                SaturatingAdd(y, RoundToPixel(child->GetAnchorTop())));
  }
}

void TVisualGroupWidget::DrawCache(ISurface* surface, int32_t x, int32_t y) {
  if (!cache_ || !surface) return;
  // Where the picture was taken relative to the origin, whatever the
  // children have done since.
  const TRect source{0, 0, cache_->GetWidth(), cache_->GetHeight()};
  const TRect dest = OffsetRect(source, SaturatingAdd(x, cache_offset_.x), SaturatingAdd(y, cache_offset_.y));
  surface->DrawImage(cache_.get(), source, TBlendMode::Normal, GetTransparentLevel(), dest);
}

bool TVisualGroupWidget::ContainsPoint(TPoint point, bool ignore_visibility) {
  if (!IsVisible() && !ignore_visibility) return false;
  const TPoint anchor = RoundedAnchor();
  const TPoint local = OffsetPoint(point, -anchor.x, -anchor.y);
  bool inside = false;
  ForEachChildBackwards([&](IWidget& child) { inside = inside || child.ContainsPoint(local, false); });
  return inside;
}

Ref<IWidget> TVisualGroupWidget::WidgetAtPos(TPoint point) {
  if (!IsVisible() || !IsMouseStop()) return nullptr;
  const TPoint anchor = RoundedAnchor();
  const TPoint local = OffsetPoint(point, -anchor.x, -anchor.y);
  TWidgetCollection& children = Children();
  for (int i = children.Count() - 1; i >= 0; --i) {
    Ref<IWidget> child = children.GetWidgetAt(i);
    if (!child) continue;
    if (Ref<IWidget> hit = child->WidgetAtPos(local)) return hit;
  }
  if (return_self_by_pos_ && ContainsPoint(point, false)) return Ref<IWidget>(static_cast<IWidget*>(this));
  return nullptr;
}

}  // namespace corvellane
