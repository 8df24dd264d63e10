#include "widgets/transition_effect_widget.h"

#include <cmath>

#include "persistence/property_table.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

const TPropertyTable& TTransitionEffectWidget::Properties() {
  using W = TTransitionEffectWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TVisualGroupWidget::Properties())
          .Int("durationtime", &W::GetDuration, &W::SetDuration, 0, Table::Always())
          .Object<ISurface>("surface1", &W::GetFirstPicture, &W::SetFirstPicture)
          .Object<ISurface>("surface2", &W::GetSecondPicture, &W::SetSecondPicture);
  return table;
}

void TTransitionEffectWidget::SetFirstPicture(Ref<ISurface> picture) {
  first_ = std::move(picture);
  if (!first_) TakeBackFromFrames("surface1");
}

void TTransitionEffectWidget::SetSecondPicture(Ref<ISurface> picture) {
  second_ = std::move(picture);
  if (!second_) TakeBackFromFrames("surface2");
}

void TTransitionEffectWidget::TakeBackFromFrames(std::string_view property) {
  ForEachChildBackwards([property](IWidget& frame) { frame.SetProperty(property, Variant::Null()); });
}

void TTransitionEffectWidget::Cleanup() {
  first_ = nullptr;
  second_ = nullptr;
  TVisualGroupWidget::Cleanup();
}

void TSequienceTransitionEffectWidget::LoadProperties(IHierStorage* node) {
  TTransitionEffectWidget::LoadProperties(node);
  // A frame shows only while it is current.
  ForEachChildBackwards([](IWidget& frame) {
    frame.SetVisible(false);
    frame.SetPaused(true);
  });
}

bool TSequienceTransitionEffectWidget::IsCycling() {
  return GetPropertyOr("cycle", Variant("no")).ToText() == "yes";
}

void TSequienceTransitionEffectWidget::Advance(int32_t elapsed_ms) {
  TTransitionEffectWidget::Advance(elapsed_ms);
  const int32_t count = Children().Count();
  if (count == 0 || GetDuration() <= 0) return;
  // In doubles: the frame count times a long clock does not fit 32 bits.
  ShowFrame(RoundToPixel(static_cast<double>(count) * GetCurrentTime() / GetDuration()));
}

void TSequienceTransitionEffectWidget::HideFrame(int32_t index) {
  if (Ref<IWidget> frame = Children().GetWidgetAt(index)) {
    frame->SetVisible(false);
    frame->SetPaused(true);
  }
}

void TSequienceTransitionEffectWidget::ShowFrame(int32_t index) {
  const int32_t count = Children().Count();
  if (count > 0 && IsCycling()) {
    index %= count;
    if (index < 0) index += count;
  } else if (index >= count) {
    // The last frame shows the target picture; past the end it stays
    // rather than leaving the change on an empty picture.
    index = count - 1;
  }
  if (index == current_frame_) return;
  HideFrame(current_frame_);
  current_frame_ = index;
  Ref<IWidget> frame = Children().GetWidgetAt(index);
  if (!frame) return;
  frame->SetProperty("surface1", Variant(GetFirstPicture()));
  frame->SetProperty("surface2", Variant(GetSecondPicture()));
  frame->SetVisible(true);
  frame->SetPaused(false);
}

}  // namespace corvellane
