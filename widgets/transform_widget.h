// transform_widget.h: TTransformWidget, a decorator that draws its inner
// widget through a private picture it changes first.
//
// The base of the transform widgets (smooth move, zoom, rotation, masks,
// outline, pie cut, scroll window). The inner widget is rendered into a work
// surface of the transform widget's own size, the subclass changes the
// picture (Render), and the work surface is drawn where the widget is:
//
//   <widget type="zoom_widget" name="zoom_title" visible="yes" anchor_left="512"
//           anchor_top="60" zoom="1.5" centerx="200" centery="30" smooth="yes"
//           blendingmode="normal">
//     <widgets>
//       <widget type="image_widget" name="image_title" visible="yes" .../>
//     </widgets>
//   </widget>
//
//   zoom->SetProperty("need_to_repaint", true);   // render again next draw
//
// Repainting: the work surface is created through the engine on first use
// (nothing is drawn while detached) and rendered again only when something
// asks for it (RequestRepaint): a transform parameter changed, the inner
// widget reported a change, or "need_to_repaint" was written yes. A static
// transformed picture costs one surface draw per frame. Whatever the inner
// widget invalidates goes no further than this widget: its own rectangle is
// redrawn instead.
//
// Geometry: the work surface's corner is the widget's rounded anchor plus the
// render offset (GetRenderOffset); GetLeft, GetTop and GetRect give exactly
// the drawn area. Hit-testing is by the drawn pixels: a point counts only
// where the work surface is not transparent, and a point handed on to the
// inner widget (WidgetAtPos, ChildScreenToLocal) is mapped back through the
// transform to the inner pixel drawn there (InverseTransformPoint).
//
// Data: "blendingmode" (/normal/screen/overlay/linearlight/addition/
// maxopaque/bltfast, always written) is how the work surface is drawn, at
// the widget's transparency level. By name also "need_to_repaint".
#pragma once

#include <cstdint>

#include "engine/blend_mode.h"
#include "widgets/decorate_widget.h"

namespace corvellane {

// A work surface larger than this many pixels is not made (nothing is drawn):
// a zoom from data must not ask for gigabytes.
inline constexpr int64_t kMaxWorkSurfacePixels = int64_t{1} << 24;

class TTransformWidget : public TDecorateWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  void ClearOwner() override;

  double GetLeft() override;
  double GetTop() override;
  void Draw(ISurface* surface, int32_t x, int32_t y) override;
  bool ContainsPoint(TPoint point, bool ignore_visibility) override;
  Ref<IWidget> WidgetAtPos(TPoint point) override;
  void UpdateDirtyRegion(bool force_old, bool force_new) override;

  // Owner side for the inner widget: points go through the transform,
  // rectangles only ask for a repaint.
  TPoint ChildScreenToLocal(TPoint screen_point) override;
  void InvalidateRect(const TRect& screen_rect) override;

  bool NeedsRepaint() const { return need_repaint_; }
  // Yes asks for a repaint (RequestRepaint); no forgets a pending one.
  void SetNeedRepaint(bool repaint);
  TBlendMode GetBlendMode() const { return blend_mode_; }
  void SetBlendMode(TBlendMode mode);
  // The picture as last rendered; none before the first draw.
  const Ref<ISurface>& GetWorkSurface() const { return work_; }
  // Creates, sizes and (when asked for) renders the work surface; false when
  // there is none to draw (no inner widget, no engine, nothing to show).
  bool Prepare();

 protected:
  // Paints the inner widget into the cleared work surface.
  virtual void Render(ISurface& work) = 0;
  // Where the work surface's corner is relative to the rounded anchor.
  virtual TPoint GetRenderOffset() { return {}; }
  // A pixel of the work surface back to the inner widget's owner space:
  // where the inner widget's drawn pixel came from. By default the inner
  // widget's origin sits at InnerOrigin() of the work surface.
  virtual TPoint InverseTransformPoint(TPoint work_point);
  // Where the inner widget's origin is drawn in the work surface.
  virtual TPoint InnerOrigin() { return {}; }
  // Marks the widget changed and moved and asks for a new picture.
  virtual void RequestRepaint();

  // The inner widget rendered into a new picture whose corner is its
  // rectangle's; none without an inner widget or engine.
  Ref<ISurface> InnerImage();
  // A new transparent picture of the given size with alpha, through the engine.
  Ref<ISurface> NewSurface(int32_t width, int32_t height);
  // The inner widget's rounded anchor minus its rounded left and top: where
  // its origin lies relative to the corner of its rectangle.
  TPoint InnerAnchorInRect();
  // The inner widget's rectangle (in its owner space), empty without one.
  TRect InnerRect();
  // The rounded anchor: the owner draws this widget's origin there.
  TPoint RoundedAnchor() const;
  // The inner widget drawn with its origin at InnerOrigin() of the surface.
  void DrawInner(ISurface& surface);
  // The render offset that puts the inner widget's origin (InnerOrigin) at
  // this widget's anchor.
  TPoint InnerOriginAtAnchor();
  // The inner picture copied to the work surface's corner where the mask's
  // pixel at the same place is visible.
  void CopyInnerThroughMask(ISurface& work, const ISurface& mask);
  int32_t InnerWidth() { return GetInnerWidget() ? GetInnerWidget()->GetWidth() : 0; }
  int32_t InnerHeight() { return GetInnerWidget() ? GetInnerWidget()->GetHeight() : 0; }
  // What to add to a pixel of another widget's image (GetImage) to reach
  // the work surface pixel shown at the same place of the screen.
  TPoint WorkOffsetOf(IWidget& other);

 private:
  TPoint WorkPointOf(TPoint owner_point);

  Ref<ISurface> work_;
  bool need_repaint_ = false;
  TBlendMode blend_mode_ = TBlendMode::Normal;
};

// Every pixel of `target` under a pixel of `cover` placed at `offset` becomes
// transparent black: under its visible pixels (alpha not 0), or under its
// whole rectangle with `whole_rect`.
void ClearCovered(ISurface& target, const ISurface& cover, TPoint offset, bool whole_rect);

}  // namespace corvellane
