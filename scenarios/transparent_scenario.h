// transparent_scenario.h: TTransparentScenario ("transparent_scenario"),
// fades a target widget's transparency over the scenario's lifetime.
//
//   <widget type="transparent_scenario" name="fade_card" timetolive="800"
//           start_trans_level="0" end_trans_level="255" makeinvisible="no"
//           redefinedparams="\widget=../card/image/owner"/>     (the group "card")
//
//   fade->SetProperty("widget", Variant(card));   // from code: the target
//
// The target is the property "widget" (a widget value; anything else leaves
// the scenario without one). Data names it through "redefinedparams", which
// are applied when the scenario is attached: a path that ends in a child's
// "owner" gives the widget itself, as above. The target must be attached
// by then, so in the same group the scenario comes after it (a higher z, or
// the same z and later in the file). Setting it remembers the target's level and
// puts it at the level for the scenario's present time. The fade lasts the
// scenario's "timetolive" T: at time 0 < t < T the target's level is
// start + t x (end - start) div T (integer, toward zero). Once t passes T,
// or when the scenario is removed or detached, it finishes: the target gets
// its remembered level back and, with "makeinvisible", is hidden. So the end
// level itself is never left behind: a fade-out with "makeinvisible" leaves
// the target hidden at its old level. With T = 0 nothing fades and the
// scenario finishes in its first frame with a positive time.
//
// Data: "start_trans_level", "end_trans_level" (0..255, default 255) and
// "makeinvisible" (default no), always written. A scenario given a new
// target first gives the old one its level back.
#pragma once

#include <cstdint>

#include "scenarios/scenario.h"

namespace corvellane {

class TTransparentScenario : public TScenario {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  // Finishes first: the target is given back its level.
  void ClearOwner() override;
  void Advance(int32_t elapsed_ms) override;

  const Ref<IWidget>& GetTarget() const { return target_; }
  void SetTarget(Ref<IWidget> target);
  int32_t GetStartLevel() const { return start_level_; }
  void SetStartLevel(int32_t level);
  int32_t GetEndLevel() const { return end_level_; }
  void SetEndLevel(int32_t level);
  bool GetMakeInvisible() const { return make_invisible_; }
  void SetMakeInvisible(bool on) { make_invisible_ = on; }

  // Gives the target its level back (and hides it with "makeinvisible"),
  // then lets it go. Nothing without a target.
  virtual void Finish();

 protected:
  // start + (end - start) x time div T, in 64 bits; none when T is 0.
  bool LevelAt(int32_t time, int32_t& level) const;

 private:
  // The target's level given back without hiding it.
  void RestoreLevel();

  int32_t start_level_ = 255;
  int32_t end_level_ = 255;
  int32_t saved_level_ = 255;
  Ref<IWidget> target_;
  bool make_invisible_ = false;
};

}  // namespace corvellane
