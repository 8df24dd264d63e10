// move_widget.h: TMoveWidget ("move_widget"), a picture that travels in a
// straight line from a start point to an end point during its lifetime,
// its transparency changing evenly on the way, and dies on arrival.
//
//   <widget type="move_widget" name="fly_coin" visible="yes" timetolive="800"
//           startposx="40" startposy="400" endposx="600" endposy="20"
//           start_trans_level="255" end_trans_level="0"/>
//
//   coin->SetSurface(coin_image);          // a surface widget's picture
//   coin->SetProperty("endposx", 320);     // takes effect at the next advance
//   group->GetWidgets()->Add(coin);        // removed by the group once dead
//
// The points are anchors in the owner's space. Loading puts the widget at
// the start point with the start level; "timetolive" T is the duration. At
// each advance, with t the current time:
//   t < 0       nothing changes (a negative "currenttime" delays the start)
//   0 <= t <= T the anchors are start + nearest((end - start) * t / T), whole
//               pixels (ties to even), and the level is
//               start level + t * (end level - start level) div T
//   t > T       dead (t = T with T > 0 is already dead by the lifetime rule,
//               after the widget has reached the end point)
// A motion of no duration (T = 0) is at its start point and start level
// until its time passes 0, when it dies. Products are taken in 64 bits, so
// long lifetimes and far points do not overflow.
//
// The six keys are read as integers (unreadable values keep the defaults:
// levels 255, points 0; levels are held to 0 .. 255) and never saved; the
// points are write-only properties "startposx", "startposy", "endposx",
// "endposy".
#pragma once

#include <cstdint>

#include "widgets/surface_widget.h"

namespace corvellane {

class TMoveWidget : public TSurfaceWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  // After the keys: the widget stands at the start point with the start level.
  void LoadProperties(IHierStorage* node) override;
  void Advance(int32_t elapsed_ms) override;

  TPoint GetStartPoint() const { return start_; }
  TPoint GetEndPoint() const { return end_; }
  void SetStartPoint(TPoint point) { start_ = point; }
  void SetEndPoint(TPoint point) { end_ = point; }

 protected:
  // Places the widget for the current time; 0 <= time <= time to live.
  virtual void UpdatePosition();
  // t / T, 0 for a motion of no duration.
  double MotionFraction() const;

 private:
  void UpdateLevel();

  int32_t start_level_ = 255;
  int32_t end_level_ = 255;
  TPoint start_;
  TPoint end_;
};

}  // namespace corvellane
