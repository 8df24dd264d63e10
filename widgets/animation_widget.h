// animation_widget.h: TAnimationWidget ("animation_widget"), the frames of a
// sheet shown at an even pace: frame = framescount * time div animationtime.
//
//   <widget type="animation_widget" name="anim_heart" visible="yes"
//           resourcename="heart_strip" width="48" height="48"
//           resourcewidth="384" framescount="8" animationtime="800"
//           loop="yes" cycledelaytime="1000"/>
//
// Without loop it stops after one pass on the last frame ("stoponfirst":
// on the first played one) and, with "hideonstop", hides itself. "reverse"
// plays the frames backwards. Writing "currentframe" shows that frame (the
// reverse mapping applies).
#pragma once

#include "widgets/base_animation_widget.h"

namespace corvellane {

class TAnimationWidget : public TBaseAnimationWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  // Frame i of the pass (mapped to framescount - i - 1 when reversed).
  void ShowFrame(int32_t frame);

 protected:
  void ShowRest() override { ShowFrame(0); }
  void ShowAt(int32_t time, int32_t pass_length) override;
  void Stopped() override;
};

}  // namespace corvellane
