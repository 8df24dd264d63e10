// decorate_widget.h: TDecorateWidget, a widget that wraps exactly one inner
// widget and is its owner.
//
// The inner widget is the first "widget" item of the decorator's own
// "widgets" element, created by its "type" like any widget:
//
//   <widget type="replicator_widget" name="tiles" visible="yes" cols="4">
//     <widgets>
//       <widget type="image_widget" name="image_tile" visible="yes"/>
//     </widgets>
//   </widget>
//
// The decorator attaches and detaches the inner widget with itself, passes
// its time on (the inner widget's Update after its own advance, unless the
// inner widget is paused), restarts, pauses and resumes it, and answers any
// child name with it. A hit on the decorator is refined by the inner widget.
// Abstract: subclasses decide how the inner widget is placed and drawn.
//
//   decorator->SetInnerWidget(image);    // old one detached, new one attached
//   Ref<IWidget> inner = decorator->FindWidget("anything");
//   decorator->SetProperty("widget", Variant(other));   // the same by name
//
// "widget" reads the inner widget as an object value and writing it replaces
// the inner widget as SetInnerWidget does; a value that is no widget is
// ignored, null removes the inner widget.
#pragma once

#include <cstdint>

#include "widgets/container_widget.h"

namespace corvellane {

class TDecorateWidget : public TContainerWidget {
 public:
  ~TDecorateWidget() override;

  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  void Cleanup() override;
  // After the keys: the inner widget, in the "widgets" element.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  void SetOwner(IWidgetOwner* owner) override;
  void ClearOwner() override;
  void Invalidate() override;
  void Advance(int32_t elapsed_ms) override;
  void Restart() override;
  void Resume() override;
  void Pause() override;
  Ref<IWidget> WidgetAtPos(TPoint point) override;

  const Ref<IWidget>& GetInnerWidget() const { return inner_; }
  // The old inner widget is detached; the new one (may be none) is attached
  // to this decorator. The decorator itself or a widget above it is refused.
  void SetInnerWidget(Ref<IWidget> inner);

 protected:
  Ref<IWidget> GetChild(const Variant& key) override { return inner_; }

 private:
  void ReleaseInner();

  Ref<IWidget> inner_;
};

}  // namespace corvellane
