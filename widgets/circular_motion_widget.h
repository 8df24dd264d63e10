// circular_motion_widget.h: TCircularMotionWidget ("circular_motion_widget"),
// a move widget (move_widget.h) that travels around a centre instead of in
// a straight line.
//
//   <widget type="circular_motion_widget" name="fly_star" visible="yes"
//           timetolive="1000" centerx="100" centery="100"
//           startposx="200" startposy="100" endposx="100" endposy="200"/>
//
// With (cx, cy) the centre, r0 and r1 the distances of the start and end
// points from it and a0, a1 their angles (atan2, in (-pi, pi]): when the
// two angles have strictly opposite signs and a0 > pi/2, a1 gains a turn,
// and then when a0 < -pi/2, a0 gains one; so points on either side of the
// direction pi are joined through pi, the others directly through 0. At
// fraction f = t / T of the lifetime
//
//   a = a0 + (a1 - a0) f,   r = r0 + (r1 - r0) f
//   anchor = (cx + r cos a, cy + r sin a)        (not rounded)
//
// so the widget is at the start point at t = 0, at the end point at t = T,
// and start and end points at different distances give a spiral arc. y
// grows downwards: growing angles turn clockwise on the screen. A motion of
// no duration stays at the start point.
//
// "centerx" and "centery" are read as integers (default 0) and not saved.
#pragma once

#include "widgets/move_widget.h"

namespace corvellane {

class TCircularMotionWidget : public TMoveWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  TPoint GetCentre() const { return centre_; }
  void SetCentre(TPoint centre) { centre_ = centre; }

 protected:
  void UpdatePosition() override;

 private:
  TPoint centre_;
};

}  // namespace corvellane
