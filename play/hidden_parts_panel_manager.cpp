#include "play/hidden_parts_panel_manager.h"

#include <array>
#include <cmath>

#include "persistence/log.h"
#include "play/panel_layout_keys.h"
#include "play/zoom_items_panel_manager.h"
#include "story/object_list.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

namespace {

// A picture lies when it is this much wider than high.
constexpr int32_t kLyingMargin = 32;

}  // namespace

bool THiddenPartsPanelManager::ReadLayout() {
  const std::array<int32_t*, 6> fields{&vertical_width_,    &vertical_height_,      &horizontal_width_,
                                       &horizontal_height_, &horizontal_top_shift_, &left_shift_};
  if (!ReadLayoutValues(kCompleteLayoutKeys, fields)) return false;
  complete_name_.clear();
  complete_zoom_ = 1.0;
  centre_x_ = centre_y_ = 0.0;
  origin_ = {};
  create_factory_ = "panel_item_shape_create";
  return true;
}

void THiddenPartsPanelManager::AddPanelItem(ISceneObjectDef* object) {
  if (!object || !layout_ready_) return;
  if (object->GetObjectType() == static_cast<int32_t>(TSceneObjectType::CompleteObject))
    AddComplete(*object);
  else if (object->GetObjectType() == static_cast<int32_t>(TSceneObjectType::HiddenPart))
    AddPart(*object);
}

void THiddenPartsPanelManager::AddComplete(ISceneObjectDef& object) {
  const int32_t width = object.GetWidth();
  const int32_t height = object.GetHeight();
  const bool lying = int64_t{height} + kLyingMargin < width;
  const TPictureFit fit = lying ? FitPicture(width, height, horizontal_width_, horizontal_height_)
                                : FitPicture(width, height, vertical_width_, vertical_height_);
  const int32_t scaled_width = RoundToPixel(width * fit.zoom);
  TPoint place{left_shift_, lying ? horizontal_top_shift_ : 0};
  if (scaled_width < horizontal_width_) place.x += (horizontal_width_ - scaled_width) / 2;
  TPanelItem* item = AppendItem(&object, create_factory_, place, width, height, fit.zoom);
  if (!item) return;
  complete_name_ = object.GetName();
  complete_zoom_ = fit.zoom;
  centre_x_ = place.x + width * fit.zoom / 2.0;
  centre_y_ = place.y + height * fit.zoom / 2.0;
  if (Ref<ISceneObjectLocation> first = object.GetLocations()->Get(Variant(0)))
    origin_ = {first->GetAnchorLeft(), first->GetAnchorTop()};
}

void THiddenPartsPanelManager::AddPart(ISceneObjectDef& object) {
  Ref<ISceneObjectLocation> special = object.GetLocations()->Get(Variant(kSpecialLocation));
  if (!special)
    LogWarning(panel_->GetPath() + ": the part \"" + object.GetName() +
               "\" has no location \"" + std::string(kSpecialLocation) +
               "\"; it is put on the middle of the complete object");
  const double dx = special ? (special->GetAnchorLeft() - origin_.x) * complete_zoom_ : 0.0;
  const double dy = special ? (special->GetAnchorTop() - origin_.y) * complete_zoom_ : 0.0;
  const double zoom_x = (special ? special->GetZoomX() : 1.0) * complete_zoom_;
  const double zoom_y = (special ? special->GetZoomY() : 1.0) * complete_zoom_;
  // The part's centre goes to its place on the complete object.
  const TPoint place{RoundToPixel(centre_x_ + dx - object.GetWidth() * std::abs(zoom_x) / 2.0),
                     RoundToPixel(centre_y_ + dy - object.GetHeight() * std::abs(zoom_y) / 2.0)};
  TPanelItem* item = AppendItem(&object, "panel_item_part_create", place, object.GetWidth(), object.GetHeight(),
                                std::abs(zoom_x));
  if (!item) return;
  item->zoom_y = zoom_y;
  item->zoom_x = zoom_x;
  if (!item->widget) return;
  item->widget->SetVisible(false);
  if (!special) return;
  item->widget->SetProperty("zoomx", Variant(zoom_x));
  item->widget->SetProperty("zoomy", Variant(zoom_y));
  item->widget->SetProperty("angle", Variant(special->GetAngle()));
  item->widget->SetZ(special->GetZ());
}

void THiddenPartsPanelManager::MarkFound(ISceneObjectDef* object) {
  TPanelItem* item = FindItem(object);
  if (!item) return;
  item->found = true;
  if (item->widget) item->widget->SetVisible(true);
}

std::string THiddenPartsPanelManager::GetObjectNames() {
  return complete_name_.empty() ? std::string(kEmptyList) : ";" + complete_name_ + ";";
}

}  // namespace corvellane
