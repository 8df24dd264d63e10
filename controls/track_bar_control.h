// track_bar_control.h: TTrackBarControl ("TrackBarControl"), a slider the
// player drags between a minimum and a maximum: a volume, mostly.
//
// The child "image_slider" is the knob; it may hold "image_slidernormal" and
// "image_sliderselected" (shown while dragged). A left press on the knob
// takes the mouse capture; dragging moves the knob with the pointer and the
// position in steps of "frequency", counted from "min"; every change of the
// position, by any means, reports event 3 (kWidgetEventTrackBarMoved). The
// position never leaves "min" .. "max". Each mouse release on the track bar
// plays "sound_effect". Keys while focused: Home, End, and Left / Right (Up /
// Down when "vertical") by one step.
//
//   <widget type="TrackBarControl" name="trackbar_musicvolume" visible="yes" mousestop="yes"
//           enabled="yes" tabstop="yes" width="240" height="24" min="0" max="100" frequency="5">
//     <widgets>
//       <widget type="image_widget" name="image_track" visible="yes" resourcename="image_slider_track"/>
//       <widget type="group_widget" name="image_slider" visible="yes" mousestop="yes">
//         <widgets><widget type="image_widget" name="image_slidernormal" .../></widgets>
//       </widget>
//     </widgets>
//   </widget>
//
//   bar->SetProperty("position", 40);   // the knob moves; event 3 when it changed
#pragma once

#include <algorithm>
#include <cstdint>

#include "controls/control_widget.h"

namespace corvellane {

class TTrackBarControl : public TControlWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;

  // A tab stop only while visible and enabled.
  bool IsTabStop() const override;
  bool MouseDown(TPoint point, uint32_t keys, TMouseButton button) override;
  bool MouseMove(TPoint point, uint32_t keys) override;
  bool MouseUp(TPoint point, uint32_t keys, TMouseButton button) override;
  bool HandleKey(int32_t message, int32_t key, uint32_t keys) override;
  void CaptureLost() override;

  int32_t GetPosition() const { return position_; }
  // The nearest step from the minimum, within minimum .. maximum.
  void SetPosition(int32_t value);
  int32_t GetMinimum() const { return minimum_; }
  // A maximum below the minimum counts as the minimum.
  int32_t GetMaximum() const { return std::max(maximum_, minimum_); }
  int32_t GetFrequency() const { return frequency_; }
  void SetFrequency(int32_t frequency) { frequency_ = frequency < 1 ? 1 : frequency; }

 private:
  // The step nearest to a real value, kept in range.
  int32_t Snap(double value) const;
  // Pixels the knob can travel, along the bar.
  int32_t Travel();
  // The knob's place along the bar: left (or top when vertical).
  double SliderPlace();
  void SetSliderPlace(double place);
  int32_t Along(TPoint point);
  void PlaceSlider();
  void RefreshSliderLook();

  int32_t minimum_ = 0;
  int32_t maximum_ = 0;
  int32_t position_ = 0;
  int32_t frequency_ = 1;
  bool vertical_ = false;
  Ref<IWidget> slider_;
  int32_t grab_offset_ = 0;
};

}  // namespace corvellane
