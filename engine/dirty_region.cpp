#include "engine/dirty_region.h"

namespace corvellane {

// One walk from the last stored rectangle to the first. Every overlapping
// rectangle is absorbed into `rect`; returns whether anything was absorbed.
// Sets `contained` when `rect` already lies inside a stored rectangle.
bool TRegion::MergePass(TRect& rect, bool& contained) {
  bool merged = false;
  for (int i = Count() - 1; i >= 0; --i) {
    const TRect stored = rects_[i]->GetRect();
    if (!Intersects(stored, rect)) continue;
    const TRect united = BoundingBox(stored, rect);
    if (united == stored) {
      contained = true;
      return merged;
    }
    rects_.erase(rects_.begin() + i);
    rect = united;
    merged = true;
  }
  return merged;
}

int TRegion::Add(const TRect& rect) {
  if (rect.IsEmpty()) return Count();
  TRect grown = rect;
  bool contained = false;
  while (MergePass(grown, contained) && !contained) {
  }
  if (!contained) rects_.push_back(MakeRef<TClippingRect>(grown));
  return Count();
}

TRect TRegion::Get(int i) const {
  if (i < 0 || i >= Count()) return {};
  return rects_[i]->GetRect();
}

}  // namespace corvellane
