#include "widgets/linked_surface_widget.h"

#include "persistence/property_table.h"
#include "widgets/widget_collections.h"

namespace corvellane {

const TPropertyTable& TLinkedSurfaceWidget::Properties() {
  using W = TLinkedSurfaceWidget;
  static const TPropertyTable table = TPropertyTableOf<W>(TSurfaceWidget::Properties())
                                          .Text("linked_widget_name", &W::GetLinkedWidgetName,
                                                &W::SetLinkedWidgetName);
  return table;
}

void TLinkedSurfaceWidget::Advance(int32_t elapsed_ms) {
  TSurfaceWidget::Advance(elapsed_ms);
  // An empty path would name this widget itself, whose picture would then
  // be drawn into itself every frame, its transparency applied again each time.
  if (linked_widget_name_.empty()) return;
  Ref<IWidget> linked = FindWidget(linked_widget_name_);
  if (!linked || ContainsThisWidget(*linked)) return;
  SetSurface(linked->GetImage());
}

bool TLinkedSurfaceWidget::ContainsThisWidget(const IWidget& linked) {
  // A picture of a group holding this widget holds last frame's picture,
  // which would grow the group's rectangle, and so the next picture, frame
  // after frame.
  return &linked == static_cast<IWidget*>(this) || IsOwnerOrAbove(GetOwner(), &linked);
}

}  // namespace corvellane
