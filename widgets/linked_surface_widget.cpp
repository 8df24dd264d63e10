#include "widgets/linked_surface_widget.h"

#include "persistence/value_access.h"
#include "widgets/widget_collections.h"

namespace corvellane {

namespace {

constexpr std::string_view kLinkedWidgetKey = "linked_widget_name";

}  // namespace

void TLinkedSurfaceWidget::LoadProperties(IHierStorage* node) {
  TSurfaceWidget::LoadProperties(node);
  linked_widget_name_ = ReadText(node, kLinkedWidgetKey);
}

void TLinkedSurfaceWidget::SaveProperties(IHierStorage* node) {
  TSurfaceWidget::SaveProperties(node);
  WriteText(node, kLinkedWidgetKey, linked_widget_name_, !linked_widget_name_.empty());
}

std::optional<Variant> TLinkedSurfaceWidget::ReadDynamicProperty(std::string_view name) {
  if (name == kLinkedWidgetKey) return Variant(linked_widget_name_);
  return TSurfaceWidget::ReadDynamicProperty(name);
}

bool TLinkedSurfaceWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name != kLinkedWidgetKey) return TSurfaceWidget::WriteDynamicProperty(name, value);
  linked_widget_name_ = value.ToText();
  return true;
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
