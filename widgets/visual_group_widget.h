// visual_group_widget.h: TVisualGroupWidget ("group_widget"), a group that
// draws, sizes and hit-tests its children, optionally through a cached image.
//
//   <widget type="group_widget" name="hint_group" visible="yes" mousestop="yes"
//           anchor_left="100" anchor_top="50" caching="yes" returnselfbypos="no">
//     <widgets> ... </widgets>
//   </widget>
//
// Drawing: visible children in z order, each at the group's origin plus its
// rounded anchor, with their own transparency. With "caching" the group is
// drawn as one image taken by Invalidate (the screen invalidates its whole
// tree when it is shown), at the group's own transparency level; later
// changes inside the group show only after the next Invalidate.
//
// Size: the union of the visible children's rectangles, moved by the group's
// rounded anchor; with no visible child an empty rectangle at the anchor.
// While a cache is shown, the area of the cached picture: it is drawn where
// it was taken, so children moving inside a cached group neither shift the
// picture nor leave parts of it unreported to the dirty pass.
//
// Hit-testing: children from the topmost down, with the point moved into the
// group's space; with "returnselfbypos" a point on a child that is not a
// mouse stop hits the group itself. A group is only searched when it is
// visible and a mouse stop.
//
// By name: "caching" (writing it invalidates the group; loading it does
// not, the screen's first Invalidate builds the cache), "returnselfbypos",
// and "cachesurface", the cached picture as an object value (read only).
#pragma once

#include "widgets/group_widget.h"

namespace corvellane {

class TVisualGroupWidget : public TGroupWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Invalidate() override;
  double GetLeft() override;
  double GetTop() override;
  int32_t GetWidth() override;
  int32_t GetHeight() override;
  TRect GetRect() override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  Ref<IWidget> WidgetAtPos(TPoint point) override;
  bool ContainsPoint(TPoint point, bool ignore_visibility) override;

  bool IsCaching() const { return caching_; }
  // Turning caching on or off invalidates the group (and so rebuilds the cache).
  void SetCaching(bool caching);
  bool ReturnsSelfByPos() const { return return_self_by_pos_; }
  void SetReturnSelfByPos(bool on) { return_self_by_pos_ = on; }
  // The image the group is drawn from while caching; none before the first
  // Invalidate while attached.
  Ref<ISurface> GetCache() const { return cache_; }

 private:
  TPoint RoundedAnchor() const;
  // The union of the visible children's rectangles, in owner space.
  TRect ChildrenRect();
  // Where the cached picture is drawn, in owner space.
  TRect CacheRect() const;
  void DrawChildren(ISurface* surface, int32_t x, int32_t y);
  void DrawCache(ISurface* surface, int32_t x, int32_t y);

  bool caching_ = false;
  Ref<ISurface> cache_;
  // The picture's corner relative to the group's rounded anchor when taken.
  TPoint cache_offset_;
  bool return_self_by_pos_ = false;
};

}  // namespace corvellane
