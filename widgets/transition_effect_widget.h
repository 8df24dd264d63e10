// transition_effect_widget.h: TTransitionEffectWidget and
// TSequienceTransitionEffectWidget ("sequience_transition_effect"), the
// change from one picture to another played as a sequence of frames.
//
// The effect is given the two pictures, "surface1" (from) and "surface2"
// (to), and plays its children, in collection order, as the frames of the
// animation over "durationtime" milliseconds. A frame is an ordinary widget
// (usually a transform widget that draws the pictures zoomed or faded); the
// frame that becomes current receives both pictures as its "surface1" and
// "surface2" properties (aliases route them to where it wants them), is
// shown and runs; the one before it is hidden and paused.
//
//   <widget type="sequience_transition_effect" name="transition" visible="yes"
//           durationtime="320" extraparams="\cycle=no">
//     <widgets>
//       <widget type="zoom_widget" name="frame_0" zoom="0.6" aliases="\surface2=picture/surface" ...>
//         <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
//       </widget>
//       ...
//     </widgets>
//   </widget>
//
//   transition->SetProperty("surface2", Variant(picture));   // usually an effect's picture
//
// With n frames over a duration d, frame nearest(n x t / d) (ties to even)
// is current at time t. The last frame, the one that shows the target
// picture, stays once its time has come, so the change never ends on an
// empty picture; with "cycle" = "yes" (read as a property, from
// "extraparams" or an alias) the frames repeat instead. A duration of 0
// shows no frame, and so does a negative clock. The effect does not end by
// itself: whoever made it removes it (its "timetolive", an appearance
// effect's end).
//
// Loading hides and pauses every frame. Pictures written while a frame is
// current reach the frames from the next frame on; none written is taken
// back from every frame at once, the current one too, so that a picture its
// owner lets go of (an appearance effect's, once over) is freed rather than
// kept by frames that will not draw it again.
#pragma once

#include <cstdint>
#include <string_view>

#include "widgets/visual_group_widget.h"

namespace corvellane {

class TTransitionEffectWidget : public TVisualGroupWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;

  const Ref<ISurface>& GetFirstPicture() const { return first_; }
  const Ref<ISurface>& GetSecondPicture() const { return second_; }
  // None is taken back from every frame at once (see the top of the file).
  void SetFirstPicture(Ref<ISurface> picture);
  void SetSecondPicture(Ref<ISurface> picture);
  int32_t GetDuration() const { return duration_; }
  void SetDuration(int32_t ms) { duration_ = ms; }

 private:
  // Writes none to that picture property of every frame.
  void TakeBackFromFrames(std::string_view property);

  Ref<ISurface> first_;
  Ref<ISurface> second_;
  int32_t duration_ = 0;
};

class TSequienceTransitionEffectWidget : public TTransitionEffectWidget {
 public:
  // After the group's loading: every frame hidden and paused.
  void LoadProperties(IHierStorage* node) override;
  void Advance(int32_t elapsed_ms) override;

  // Makes frame i current (see the top of the file); i past the last frame
  // keeps the last one, unless the frames cycle.
  void ShowFrame(int32_t index);
  // -1 before the first frame.
  int32_t GetCurrentFrame() const { return current_frame_; }

 private:
  bool IsCycling();
  void HideFrame(int32_t index);

  int32_t current_frame_ = -1;
};

}  // namespace corvellane
