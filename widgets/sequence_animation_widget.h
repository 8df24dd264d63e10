// sequence_animation_widget.h: TSequenceAnimationWidget
// ("sequence_animation_widget"), frames of a sheet shown for their own
// durations, in the order listed.
//
//   <widget type="sequence_animation_widget" resourcename="star_strip"
//           width="32" height="32" resourcewidth="256" framescount="8"
//           default_duration="100" loop="yes">
//     <frame subimage_index="0"/>
//     <frame subimage_index="3" duration="400"/>
//     <frame subimage_index="1"/>
//   </widget>
//
// One pass lasts the sum of the durations. A time exactly on the boundary
// between two entries shows the earlier one; the last millisecond of the
// pass shows the last entry. With "reverse" the list plays from its end.
// At the end of a pass without loop it rests on the last entry ("stoponfirst":
// the first) and, with "hideonstop", hides itself like the frame animation.
#pragma once

#include <cstdint>
#include <vector>

#include "widgets/base_animation_widget.h"

namespace corvellane {

struct TSequenceFrame {
  int32_t subimage_index = 0;
  int32_t duration = 0;
};

class TSequenceAnimationWidget : public TBaseAnimationWidget {
 public:
  // Entries beyond this many in a data file are ignored.
  static constexpr int kMaxFrames = 4096;

  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  // The frame list, after the keys.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  const std::vector<TSequenceFrame>& Frames() const { return frames_; }
  int32_t GetCurrentEntry() const { return current_entry_; }
  // Ignored for a position outside the list or the current entry; else the
  // entry's sub-image becomes the drawn frame.
  void SelectEntry(int32_t entry);
  void SelectEntryByTime(int32_t time);

 protected:
  void ShowRest() override { SelectEntryByTime(0); }
  void ShowAt(int32_t time, int32_t) override { SelectEntryByTime(time); }
  void Stopped() override;

 private:
  void LoadFrames(IHierStorage* node);
  // The entry whose span holds the time, counted from the end when reversed.
  std::optional<int32_t> EntryAtTime(int32_t time) const;

  int32_t default_duration_ = 0;
  std::vector<TSequenceFrame> frames_;
  int32_t current_entry_ = -1;
};

}  // namespace corvellane
