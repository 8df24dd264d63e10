#include "widgets/sequence_animation_widget.h"

#include <algorithm>
#include <limits>

#include "persistence/property_table.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"

namespace corvellane {

const TPropertyTable& TSequenceAnimationWidget::Properties() {
  using W = TSequenceAnimationWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TBaseAnimationWidget::Properties())
                                          .Int("default_duration", &W::default_duration_, 0, Table::Always())
                                          .Int("currentframe", &W::GetCurrentEntry, &W::SelectEntry, -1)
                                          .NameOnly();
  return table;
}

void TSequenceAnimationWidget::LoadProperties(IHierStorage* node) {
  TBaseAnimationWidget::LoadProperties(node);
  LoadFrames(node);
}

void TSequenceAnimationWidget::LoadFrames(IHierStorage* node) {
  frames_.clear();
  const int count = node ? std::min(node->GetChildCount("frame"), kMaxFrames) : 0;
  int64_t total = 0;
  for (int i = 0; i < count; ++i) {
    Ref<IHierStorage> child = node->GetChild("frame", i);
    TSequenceFrame frame;
    frame.subimage_index = ReadInt(child.get(), "subimage_index", 0);
    // A negative duration would make the spans overlap backwards.
    frame.duration = std::max(0, ReadInt(child.get(), "duration", default_duration_));
    total += frame.duration;
    frames_.push_back(frame);
  }
  SetAnimationTime(static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max())));
}

void TSequenceAnimationWidget::SaveProperties(IHierStorage* node) {
  TBaseAnimationWidget::SaveProperties(node);
  if (!node) return;
  for (const TSequenceFrame& frame : frames_) {
    Ref<IHierStorage> child = node->AddChild("frame");
    WriteInt(child.get(), "subimage_index", frame.subimage_index, true);
    WriteInt(child.get(), "duration", frame.duration, frame.duration != default_duration_);
  }
}

void TSequenceAnimationWidget::SelectEntry(int32_t entry) {
  if (entry < 0 || entry >= static_cast<int32_t>(frames_.size()) || entry == current_entry_) return;
  current_entry_ = entry;
  SetCurrentFrame(frames_[size_t(entry)].subimage_index);
  SetChanged(true);
}

std::optional<int32_t> TSequenceAnimationWidget::EntryAtTime(int32_t time) const {
  const int32_t count = static_cast<int32_t>(frames_.size());
  if (count == 0) return std::nullopt;
  const int32_t first = IsReverse() ? count - 1 : 0;
  const int32_t last = IsReverse() ? 0 : count - 1;
  if (time == 0) return first;
  if (time == GetAnimationTime() - 1) return last;
  // Entries in the order they play; both ends of a span count, so a time on
  // a boundary stays with the entry that played first.
  const int32_t step = IsReverse() ? -1 : 1;
  int64_t start = 0;
  for (int32_t k = first; k >= 0 && k < count; k += step) {
    const int64_t end = start + frames_[size_t(k)].duration;
    if (time >= start && time <= end) return k;
    start = end;
  }
  return std::nullopt;
}

void TSequenceAnimationWidget::SelectEntryByTime(int32_t time) {
  if (std::optional<int32_t> entry = EntryAtTime(time)) SelectEntry(*entry);
}

void TSequenceAnimationWidget::Stopped() {
  SelectEntryByTime(Clock().GetStopOnFirst() ? 0 : GetAnimationTime() - 1);
  if (IsHideOnStop()) SetVisible(false);
}

}  // namespace corvellane
