// move_scenario.h: TMoveScenario ("move_scenario"), a transparent scenario
// that also moves its target in a straight line.
//
//   <widget type="move_scenario" name="slide_card" timetolive="1200"
//           startposx="-300" startposy="520" endposx="40" endposy="520"
//           start_trans_level="0" end_trans_level="255"
//           redefinedparams="\widget=../group_card/image_card/owner"/>
//
// While 0 < t < T ("timetolive") the target's anchors are
// start + (end - start) x t / T: the product in 64 bits, the division real,
// so the target glides by fractions of a pixel. When the scenario finishes
// (see transparent_scenario.h) the target is put exactly at the end point.
// The points are anchors in the target's owner space. "startposx",
// "startposy", "endposx", "endposy" (default 0) are always written.
#pragma once

#include <cstdint>

#include "scenarios/transparent_scenario.h"

namespace corvellane {

class TMoveScenario : public TTransparentScenario {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Advance(int32_t elapsed_ms) override;
  // The target at the end point, then the transparent scenario's finish.
  void Finish() override;

  TPoint GetStart() const { return {start_x_, start_y_}; }
  TPoint GetEnd() const { return {end_x_, end_y_}; }

 protected:
  // The target where it is at the scenario's present time.
  virtual void UpdatePosition();

 private:
  int32_t start_x_ = 0;
  int32_t start_y_ = 0;
  int32_t end_x_ = 0;
  int32_t end_y_ = 0;
};

}  // namespace corvellane
