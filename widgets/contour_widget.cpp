#include "widgets/contour_widget.h"

#include <algorithm>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TContourWidget::Properties() {
  using W = TContourWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TTransformWidget::Properties())
          .Bool("showcontour", &W::IsContourShown, &W::SetContourShown, true, Table::Always())
          .Bool("smooth", &W::IsSmooth, &W::SetSmooth, false, Table::Never())
          .Color("contourcolor", &W::GetContourColor, &W::SetContourColor, 0, Table::Always())
          .Int("contourthickness", &W::GetThickness, &W::SetThickness, 1, Table::Always())
          .Int("alphalimit", &W::GetAlphaLimit, &W::SetAlphaLimit, 0, Table::Always())
          .Custom("substractFromContour", nullptr,
                  [](W& w, const Variant& v) {
                    if (Ref<IWidget> widget = v.ToObject<IWidget>()) w.SubtractFromContour(*widget);
                    return true;
                  },
                  nullptr, nullptr);
  return table;
}

void TContourWidget::SetThickness(int32_t thickness) {
  Store(style_.thickness, std::clamp(thickness, 0, kMaxContourThickness));
}

void TContourWidget::SetAlphaLimit(int32_t limit) { Store(style_.alpha_limit, std::clamp(limit, 0, 255)); }

int32_t TContourWidget::SaturatingGrow(int32_t side) const {
  return GetInnerWidget() ? SaturatingAdd(side, 2 * style_.thickness) : 0;
}

TPoint TContourWidget::InnerOrigin() {
  const TPoint in_rect = InnerAnchorInRect();
  return {in_rect.x + style_.thickness, in_rect.y + style_.thickness};
}

void TContourWidget::Render(ISurface& work) {
  const Ref<IWidget>& inner = GetInnerWidget();
  if (!inner) return;
  if (!show_contour_) {
    if (inner->IsVisible()) DrawInner(work);
    return;
  }
  Ref<ISurface> shape = NewSurface(work.GetWidth(), work.GetHeight());
  if (!shape) return;
  shape->Clear();
  DrawInner(*shape);
  const TRect all{0, 0, work.GetWidth(), work.GetHeight()};
  if (inner->IsVisible()) work.DrawImage(shape.get(), all, TBlendMode::Normal, 255, all);
  if (smooth_)
    StampSmoothContour(*shape, work, style_);
  else
    StampSharpContour(*shape, work, style_);
}

void TContourWidget::SubtractFromContour(IWidget& widget) {
  Ref<ISurface> image = Prepare() ? widget.GetImage() : nullptr;
  if (!image) return;
  ClearCovered(*GetWorkSurface(), *image, WorkOffsetOf(widget), false);
  SetChanged(true);
}

}  // namespace corvellane
