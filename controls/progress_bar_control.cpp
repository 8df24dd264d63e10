#include "controls/progress_bar_control.h"

#include <algorithm>
#include <cmath>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

const TPropertyTable& TProgressBarControl::Properties() {
  using W = TProgressBarControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TControlWidget::Properties())
                                          .Bool("vertical", &W::vertical_, false)
                                          .Float("position", &W::GetPosition, &W::SetPosition, 0)
                                          .NameOnly();
  return table;
}

void TProgressBarControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  bar_ = Children().GetWidgetAt(0);
  if (!bar_) return;
  full_width_ = bar_->GetWidth();
  full_height_ = bar_->GetHeight();
  source_top_ = bar_->GetProperty("resourcetop").ToInt(0);
  bottom_ = SaturatingAdd(RoundToPixel(bar_->GetAnchorTop()), full_height_);
}

void TProgressBarControl::ClearOwner() {
  bar_ = nullptr;
  TControlWidget::ClearOwner();
}

void TProgressBarControl::SetPosition(double position) {
  position_ = std::isnan(position) ? 0 : std::clamp(position, 0.0, 1.0);
  if (!bar_) return;
  if (!vertical_) {
    const int32_t width = RoundToPixel(full_width_ * position_);
    if (bar_->GetProperty("width").ToInt(-1) != width) bar_->SetProperty("width", Variant(width));
    return;
  }
  const int32_t height = RoundToPixel(full_height_ * position_);
  if (bar_->GetProperty("height").ToInt(-1) == height) return;
  bar_->SetProperty("height", Variant(height));
  bar_->SetProperty("resourcetop", Variant(source_top_ + full_height_ - height));
  bar_->SetAnchorTop(bottom_ - height);
}

}  // namespace corvellane
