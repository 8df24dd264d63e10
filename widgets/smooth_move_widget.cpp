#include "widgets/smooth_move_widget.h"

#include <algorithm>
#include <cmath>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TSmoothMoveWidget::Properties() {
  using W = TSmoothMoveWidget;
  using Table = TPropertyTableOf<W>;
  // By name and in data the anchors are whole positions; the owner draws
  // the widget at their whole parts (GetAnchorLeft / GetAnchorTop).
  auto placed = Table::When([](W& w) { return w.PositionX() != 0.0 || w.PositionY() != 0.0; });
  static const TPropertyTable table =
      Table(TTransformWidget::Properties())
          // The step comes first: loading the anchors quantises with it.
          .Float("sampling_step", &W::GetSamplingStep, &W::SetSamplingStep, 0.25, Table::Always())
          .Bool("caching", &W::IsCaching, &W::SetCaching, false)
          .Float("anchor_left", &W::PositionX, &W::SetAnchorLeft, 0.0, placed)
          .Float("anchor_top", &W::PositionY, &W::SetAnchorTop, 0.0, placed);
  return table;
}

void TSmoothMoveWidget::Cleanup() {
  cache_.clear();
  TTransformWidget::Cleanup();
}

void TSmoothMoveWidget::ClearOwner() {
  ResetCache();
  TTransformWidget::ClearOwner();
}

bool TSmoothMoveWidget::SetFraction(Fraction& fraction, double whole_and_fraction) {
  const double part = whole_and_fraction - std::floor(whole_and_fraction);
  Fraction quantised{part, 0};
  if (step_ > 0) {
    const double steps = std::floor(part / step_);
    quantised = {steps * step_, static_cast<int32_t>(std::min(steps, 1e9))};
  }
  if (quantised.value == fraction.value) return false;
  fraction = quantised;
  return true;
}

void TSmoothMoveWidget::SetAnchorLeft(double x) {
  if (!std::isfinite(x)) return;
  TTransformWidget::SetAnchorLeft(std::floor(x));
  // A new fraction is a new picture, but the cached ones stay good.
  if (SetFraction(fraction_x_, x)) TTransformWidget::RequestRepaint();
}

void TSmoothMoveWidget::SetAnchorTop(double y) {
  if (!std::isfinite(y)) return;
  TTransformWidget::SetAnchorTop(std::floor(y));
  if (SetFraction(fraction_y_, y)) TTransformWidget::RequestRepaint();
}

int32_t TSmoothMoveWidget::GetWidth() {
  return GetInnerWidget() ? SaturatingAdd(GetInnerWidget()->GetWidth(), 1) : 0;
}

int32_t TSmoothMoveWidget::GetHeight() {
  return GetInnerWidget() ? SaturatingAdd(GetInnerWidget()->GetHeight(), 1) : 0;
}

void TSmoothMoveWidget::SetSamplingStep(double step) {
  if (!std::isfinite(step)) return;
  step = std::clamp(step, 0.0, 1.0);
  if (step == step_) return;
  step_ = step;
  ResetCache();
}

void TSmoothMoveWidget::SetCaching(bool caching) {
  if (caching == caching_) return;
  caching_ = caching;
  ResetCache();
}

int TSmoothMoveWidget::CachedCount() const {
  return static_cast<int>(std::count_if(cache_.begin(), cache_.end(), [](const Ref<ISurface>& s) { return s; }));
}

void TSmoothMoveWidget::ResetCache() {
  // A step of 0 or a very fine one would ask for an endless table: such
  // steps are resampled every time instead of cached.
  const bool cacheable = caching_ && step_ > 0 && step_ * kMaxSmoothMoveCacheSide >= 1.0;
  cache_side_ = cacheable ? static_cast<int32_t>(1.0 / step_) : 0;
  cache_.assign(static_cast<size_t>(cache_side_) * cache_side_, nullptr);
}

void TSmoothMoveWidget::RequestRepaint() {
  TTransformWidget::RequestRepaint();
  ResetCache();
}

Ref<ISurface> TSmoothMoveWidget::CachedPicture(ISurface& work) {
  const int32_t i = fraction_x_.steps, j = fraction_y_.steps;
  if (cache_side_ == 0 || i < 0 || j < 0 || i >= cache_side_ || j >= cache_side_) return nullptr;
  Ref<ISurface>& entry = cache_[static_cast<size_t>(j) * cache_side_ + i];
  if (entry && entry->GetWidth() == work.GetWidth() && entry->GetHeight() == work.GetHeight()) return entry;
  Ref<ISurface> image = InnerImage();
  Ref<ISurface> picture = NewSurface(work.GetWidth(), work.GetHeight());
  if (!image || !picture) return nullptr;
  picture->DrawShifted(image.get(), fraction_x_.value, fraction_y_.value);
  entry = picture;
  return entry;
}

void TSmoothMoveWidget::RenderShifted(ISurface& work) {
  if (Ref<ISurface> cached = CachedPicture(work)) {
    const TRect all{0, 0, work.GetWidth(), work.GetHeight()};
    work.DrawImage(cached.get(), all, TBlendMode::BltFast, 255, all);
    return;
  }
  if (Ref<ISurface> image = InnerImage()) work.DrawShifted(image.get(), fraction_x_.value, fraction_y_.value);
}

void TSmoothMoveWidget::Render(ISurface& work) { RenderShifted(work); }

}  // namespace corvellane
