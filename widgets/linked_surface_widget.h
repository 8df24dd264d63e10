// linked_surface_widget.h: TLinkedSurfaceWidget ("linked_surface_widget"), a
// surface widget that shows a fresh picture of another widget every frame.
//
//   <widget type="linked_surface_widget" name="surface_mirror" visible="yes"
//           linked_widget_name="../scene_group"/>
//
// On every advance the path is resolved from this widget (FindWidget: names
// of children, ".." for the siblings, "window:" from the screen's root) and
// the widget found is rendered (GetImage) into the shown surface. A path that
// resolves to nothing, to this widget or to a group that holds it leaves the
// last picture in place.
#pragma once

#include <string>

#include "widgets/surface_widget.h"

namespace corvellane {

class TLinkedSurfaceWidget : public TSurfaceWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Advance(int32_t elapsed_ms) override;

  const std::string& GetLinkedWidgetName() const { return linked_widget_name_; }
  void SetLinkedWidgetName(std::string_view path) { linked_widget_name_ = std::string(path); }

 private:
  // Whether the linked widget is this one or a container above it.
  bool ContainsThisWidget(const IWidget& linked);

  std::string linked_widget_name_;
};

}  // namespace corvellane
