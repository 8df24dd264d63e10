#include "play/zoom_items_panel_manager.h"

#include "persistence/log.h"
#include "widgets/pixel_rounding.h"

namespace corvellane {

TPictureFit FitPicture(int32_t width, int32_t height, int32_t max_width, int32_t max_height) {
  TPictureFit fit;
  if (width <= 0 || height <= 0) return fit;
  if (width > max_width) fit.zoom = static_cast<double>(max_width) / width;
  // Taller than the box at that zoom: the height decides (the width then fits too).
  if (height * fit.zoom > max_height) fit.zoom = static_cast<double>(max_height) / height;
  const double scaled_height = height * fit.zoom;
  if (scaled_height < max_height) fit.drop = RoundToPixel((max_height - scaled_height) / 2.0);
  return fit;
}

bool TZoomItemsPanelManager::CheckBox(int32_t max_width, int32_t max_height) {
  if (max_width > 0 && max_height > 0) return true;
  LogWarning(panel_->GetPath() + ": the largest item size must be above 0; the panel shows no items");
  return false;
}

TPictureFit TZoomItemsPanelManager::Fit(const ISceneObjectDef& object) const {
  return FitPicture(object.GetWidth(), object.GetHeight(), max_width_, max_height_);
}

}  // namespace corvellane
