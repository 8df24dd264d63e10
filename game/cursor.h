// cursor.h: TCursor, one mouse pointer the game draws itself.
//
// The system pointer is hidden while the game runs; instead the game draws
// the widget of the current cursor (cursor_collection.h) so that its hot
// spot lies on the mouse position. Any widget will do, typically an animated
// image; a cursor without a widget draws nothing.
//
//   <cursor name="cursor_hand" hotspotx="6" hotspoty="1">
//     <widget type="animation_widget" name="hand" width="32" height="32" .../>
//   </cursor>
//
//   cursor->GetWidget()->SetAnchorLeft(mouse.x - cursor->GetHotspot().x);
//
// A widget given to a cursor (SetWidget, or loaded) starts invisible: only
// the collection shows the widget of the cursor it selects. Both hot spot
// values are written when either is non-zero, neither when both are 0.
#pragma once

#include "engine/surface_rect.h"
#include "persistence/object.h"
#include "persistence/ref.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct ICursor : virtual INamedObject {
  virtual Ref<IWidget> GetWidget() = 0;
  // Stores the widget hidden; none removes it.
  virtual void SetWidget(Ref<IWidget> widget) = 0;
  // The pixel of the widget, from its top-left, that lies on the mouse.
  virtual TPoint GetHotspot() const = 0;
  virtual void SetHotspot(TPoint hotspot) = 0;
};

class TCursor : public TPersistObject, public virtual ICursor {
 public:
  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  Ref<IWidget> GetWidget() override { return widget_; }
  void SetWidget(Ref<IWidget> widget) override;
  TPoint GetHotspot() const override { return hotspot_; }
  void SetHotspot(TPoint hotspot) override { hotspot_ = hotspot; }

 private:
  TPoint hotspot_;
  Ref<IWidget> widget_;
};

}  // namespace corvellane
