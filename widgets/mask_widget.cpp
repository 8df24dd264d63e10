#include "widgets/mask_widget.h"

#include <algorithm>

#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TMaskWidget::Properties() {
  using W = TMaskWidget;
  using Table = TPropertyTableOf<W>;
  // The subtractions take a widget; any other value does nothing.
  auto subtract = [](bool whole_rect) {
    return [whole_rect](W& w, const Variant& v) {
      if (Ref<IWidget> widget = v.ToObject<IWidget>()) w.SubtractFromMask(*widget, whole_rect);
      return true;
    };
  };
  static const TPropertyTable table =
      Table(TTransformWidget::Properties())
          .Int("alphalimit", &W::GetAlphaLimit, &W::SetAlphaLimit, 0)
          .Custom("fillMaskWithLevel", nullptr,
                  [](W& w, const Variant& v) {
                    w.FillMask(v.ToInt(255));
                    return true;
                  },
                  nullptr, nullptr)
          .Custom("substractFromMask", nullptr, subtract(false), nullptr, nullptr)
          .Custom("substractFromMaskRect", nullptr, subtract(true), nullptr, nullptr);
  return table;
}

void TMaskWidget::Cleanup() {
  mask_ = nullptr;
  TTransformWidget::Cleanup();
}

void TMaskWidget::SetAlphaLimit(int32_t limit) {
  if (limit == alpha_limit_) return;
  alpha_limit_ = limit;
  RequestRepaint();
}

const Ref<ISurface>& TMaskWidget::GetMask() {
  if (!mask_ && GetInnerWidget()) {
    mask_ = NewSurface(InnerWidth(), InnerHeight());
    if (mask_) FillMask(255);
  }
  return mask_;
}

void TMaskWidget::RequestRepaint() {
  TTransformWidget::RequestRepaint();
  GetMask();
}

void TMaskWidget::FillMask(int32_t level) {
  const Ref<ISurface>& mask = GetMask();
  if (!mask) return;
  const uint32_t white = static_cast<uint32_t>(std::clamp(level, 0, 255)) << 24 | 0x00FFFFFFu;
  for (int32_t y = 0; y < mask->GetHeight(); ++y) std::fill_n(mask->GetScanLine(y), mask->GetWidth(), white);
}

void TMaskWidget::SubtractFromMask(IWidget& widget, bool whole_rect) {
  const Ref<ISurface>& mask = GetMask();
  Ref<ISurface> image = mask ? widget.GetImage() : nullptr;
  if (!image) return;
  // The mask lies on the work surface's corner (GetRenderOffset).
  ClearCovered(*mask, *image, WorkOffsetOf(widget), whole_rect);
}

void TMaskWidget::Render(ISurface& work) {
  if (const Ref<ISurface>& mask = GetMask()) CopyInnerThroughMask(work, *mask);
}

}  // namespace corvellane
