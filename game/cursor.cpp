#include "game/cursor.h"

#include "persistence/object_io.h"
#include "persistence/value_access.h"

namespace corvellane {
namespace {

constexpr std::string_view kWidgetElement = "widget";

}  // namespace

void TCursor::Init() {
  TPersistObject::Init();
  SetStorageName("cursor");
}

void TCursor::Cleanup() {
  widget_ = nullptr;
  TPersistObject::Cleanup();
}

void TCursor::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  hotspot_ = {ReadInt(node, "hotspotx", 0), ReadInt(node, "hotspoty", 0)};
  // Through SetWidget, so that a widget whose data says "visible" still
  // waits until its cursor is selected.
  SetWidget(QueryInterface<IWidget>(CreateFromChild(node, kWidgetElement)));
}

void TCursor::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  const bool has_hotspot = hotspot_.x != 0 || hotspot_.y != 0;
  WriteInt(node, "hotspotx", hotspot_.x, has_hotspot);
  WriteInt(node, "hotspoty", hotspot_.y, has_hotspot);
  if (widget_) SaveChild(widget_.get(), node, kWidgetElement);
}

void TCursor::SetWidget(Ref<IWidget> widget) {
  widget_ = std::move(widget);
  if (widget_) widget_->SetVisible(false);
}

}  // namespace corvellane
