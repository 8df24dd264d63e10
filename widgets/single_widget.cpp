#include "widgets/single_widget.h"

#include <algorithm>

#include "persistence/value_access.h"

namespace corvellane {

namespace {

int32_t BoundedSide(int32_t side) { return std::clamp(side, 0, kMaxWidgetSide); }

}  // namespace

void TSingleWidget::LoadProperties(IHierStorage* node) {
  TVisualWidget::LoadProperties(node);
  width_ = BoundedSide(ReadInt(node, "width", 0));
  height_ = BoundedSide(ReadInt(node, "height", 0));
}

void TSingleWidget::SaveProperties(IHierStorage* node) {
  TVisualWidget::SaveProperties(node);
  WriteInt(node, "width", width_, true);
  WriteInt(node, "height", height_, true);
}

void TSingleWidget::SetWidth(int32_t width) {
  width = BoundedSide(width);
  if (width == width_) return;
  width_ = width;
  SetGeometryChanged();
}

void TSingleWidget::SetHeight(int32_t height) {
  height = BoundedSide(height);
  if (height == height_) return;
  height_ = height;
  SetGeometryChanged();
}

bool TSingleWidget::WriteBuiltInProperty(std::string_view name, const Variant& value) {
  if (name == "width") {
    SetWidth(value.ToInt(width_));
    return true;
  }
  if (name == "height") {
    SetHeight(value.ToInt(height_));
    return true;
  }
  return TVisualWidget::WriteBuiltInProperty(name, value);
}

}  // namespace corvellane
