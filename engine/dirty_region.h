// dirty_region.h: the list of rectangles that must be redrawn this frame.
//
// TRegion keeps an ordered list of TClippingRect objects. Adding a rectangle
// merges it with every stored rectangle it overlaps (repeatedly, because the
// grown rectangle may now overlap others) so that no pixel is covered twice;
// rectangles that merely touch stay separate. A rectangle already inside a
// stored one changes nothing.
//
//   TRegion region;
//   region.Add({0, 0, 10, 10});
//   region.Add({5, 5, 20, 20});   // one rectangle (0, 0, 20, 20)
#pragma once

#include <vector>

#include "engine/surface_rect.h"
#include "persistence/object.h"

namespace corvellane {

class TClippingRect : public TAbstractObject {
 public:
  explicit TClippingRect(const TRect& rect) : rect_(rect) {}
  const TRect& GetRect() const { return rect_; }

 private:
  TRect rect_;
};

class TRegion {
 public:
  // Adds a rectangle (empty ones are ignored) and returns the number of
  // rectangles in the region afterwards.
  int Add(const TRect& rect);
  void Clear() { rects_.clear(); }
  int Count() const { return static_cast<int>(rects_.size()); }
  // The i-th rectangle; an empty rectangle when i is out of range.
  TRect Get(int i) const;

 private:
  bool MergePass(TRect& rect, bool& contained);

  std::vector<Ref<TClippingRect>> rects_;
};

}  // namespace corvellane
