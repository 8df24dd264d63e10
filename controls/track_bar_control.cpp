#include "controls/track_bar_control.h"

#include <cmath>
#include <string_view>

#include "controls/role_images.h"
#include "persistence/property_table.h"
#include "widgets/event_handler_interface.h"
#include "widgets/input_messages.h"
#include "widgets/pixel_rounding.h"
#include "widgets/window_interface.h"

namespace corvellane {

namespace {

constexpr int32_t kEnd = 35;
constexpr int32_t kHome = 36;
constexpr int32_t kLeft = 37;
constexpr int32_t kUp = 38;
constexpr int32_t kRight = 39;
constexpr int32_t kDown = 40;

constexpr std::string_view kReleaseSound = "sound_effect";

}  // namespace

const TPropertyTable& TTrackBarControl::Properties() {
  using W = TTrackBarControl;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table =
      Table(TControlWidget::Properties())
          .Int("min", &W::minimum_, 0, Table::Always())
          .Int("max", &W::maximum_, 0, Table::Always())
          .Int("frequency", &W::GetFrequency, &W::SetFrequency, 1, Table::Always())
          .Bool("vertical", &W::vertical_, false)
          .Int("position", &W::GetPosition, &W::SetPosition, 0)
          .NameOnly()
          .Custom(
              "slidervisible", [](W& w) { return w.slider_ ? Variant(w.slider_->IsVisible()) : Variant::Null(); },
              [](W& w, const Variant& v) {
                if (w.slider_) w.slider_->SetVisible(v.ToBool(w.slider_->IsVisible()));
                return true;
              },
              nullptr, nullptr);
  return table;
}

// ---- Attaching ----

void TTrackBarControl::SetOwner(IWidgetOwner* owner) {
  TControlWidget::SetOwner(owner);
  slider_ = RoleChild(*this, "image_slider");
  RefreshSliderLook();
}

void TTrackBarControl::ClearOwner() {
  slider_ = nullptr;
  TControlWidget::ClearOwner();
}

bool TTrackBarControl::IsTabStop() const { return TControlWidget::IsTabStop() && IsVisible() && IsEnabled(); }

// ---- Position ----

int32_t TTrackBarControl::Snap(double value) const {
  // Steps are counted from the minimum, and the ends are always reachable:
  // a step past the maximum (or before the minimum) stops at it.
  const double steps = std::nearbyint((value - minimum_) / frequency_);
  const double snapped = minimum_ + steps * frequency_;
  return static_cast<int32_t>(std::clamp(snapped, double(minimum_), double(GetMaximum())));
}

void TTrackBarControl::SetPosition(int32_t value) {
  const int32_t old = position_;
  position_ = Snap(value);
  PlaceSlider();
  if (GetOwner() && position_ != old) ReportEvent(kWidgetEventTrackBarMoved);
}

int32_t TTrackBarControl::Travel() {
  if (!slider_) return 0;
  return vertical_ ? GetHeight() - slider_->GetHeight() : GetWidth() - slider_->GetWidth();
}

double TTrackBarControl::SliderPlace() {
  if (!slider_) return 0;
  return vertical_ ? slider_->GetAnchorTop() : slider_->GetAnchorLeft();
}

void TTrackBarControl::SetSliderPlace(double place) {
  if (!slider_) return;
  if (vertical_) slider_->SetAnchorTop(place);
  else slider_->SetAnchorLeft(place);
}

void TTrackBarControl::PlaceSlider() {
  const int64_t range = int64_t{GetMaximum()} - minimum_;
  if (!slider_ || range == 0) return;
  SetSliderPlace(double(Travel()) * double(int64_t{position_} - minimum_) / double(range));
}

int32_t TTrackBarControl::Along(TPoint point) {
  const TRect rect = GetRect();
  return vertical_ ? point.y - rect.top : point.x - rect.left;
}

// ---- Mouse ----

bool TTrackBarControl::MouseDown(TPoint point, uint32_t keys, TMouseButton button) {
  if (button != TMouseButton::kLeft || !slider_) return false;
  const int32_t along = Along(point);
  const double place = SliderPlace();
  const int32_t size = vertical_ ? slider_->GetHeight() : slider_->GetWidth();
  if (along < place || along >= place + size) return false;
  BeginPress();
  grab_offset_ = RoundToPixel(along - place);
  RefreshSliderLook();
  return true;
}

bool TTrackBarControl::MouseMove(TPoint point, uint32_t keys) {
  if (!IsPressed() || !slider_) return false;
  const int32_t range = Travel();
  const int32_t place = std::clamp(Along(point) - grab_offset_, 0, std::max(range, 0));
  if (range <= 0) return true;
  const int64_t span = int64_t{GetMaximum()} - minimum_;
  const int32_t position = Snap(double(place) * double(span) / range + minimum_);
  if (position != position_) SetPosition(position);
  // The knob follows the pointer exactly; the position moves in steps.
  if (span != 0) SetSliderPlace(place);
  return true;
}

bool TTrackBarControl::MouseUp(TPoint point, uint32_t keys, TMouseButton button) {
  PlaySound(kReleaseSound, false, 0, 0);
  if (!IsPressed() || button != TMouseButton::kLeft) return false;
  EndPress();
  // Let go, the knob settles on the step it stands for.
  PlaceSlider();
  RefreshSliderLook();
  return true;
}

void TTrackBarControl::CaptureLost() {
  TControlWidget::CaptureLost();
  PlaceSlider();
  RefreshSliderLook();
}

void TTrackBarControl::RefreshSliderLook() {
  if (!slider_) return;
  Ref<IWidget> normal = RoleChild(*slider_, "image_slidernormal");
  Ref<IWidget> selected = RoleChild(*slider_, "image_sliderselected");
  if (normal) normal->SetVisible(!selected || !IsPressed());
  if (selected) selected->SetVisible(IsPressed());
}

// ---- Keys ----

bool TTrackBarControl::HandleKey(int32_t message, int32_t key, uint32_t keys) {
  if (!IsFocused() || message != kKeyDown) return false;
  const int32_t back = vertical_ ? kUp : kLeft;
  const int32_t forward = vertical_ ? kDown : kRight;
  if (key == kEnd) SetPosition(GetMaximum());
  else if (key == kHome) SetPosition(minimum_);
  else if (key == back) SetPosition(SaturatingAdd(position_, -frequency_));
  else if (key == forward) SetPosition(SaturatingAdd(position_, frequency_));
  else return false;
  RefreshSliderLook();
  return true;
}

}  // namespace corvellane
