// zoom_items_panel_manager.h: TZoomItemsPanelManager, a panel whose item
// pictures are scaled to fit a box (the mode's largest item width and
// height).
//
//   TPictureFit fit = FitPicture(200, 100, 64, 64);   // zoom 0.32, drop 16
//
// A picture wider than the box is scaled down to its width, and one still
// taller than the box to its height, so it always fits; one lower than the
// box is moved down by half the difference (rounded), so the pictures of a
// row share a middle line. A picture without size stays at zoom 1.
#pragma once

#include <cstdint>

#include "play/anim_hide_panel_manager.h"

namespace corvellane {

struct TPictureFit {
  double zoom = 1.0;
  // How far the picture moves down within the box.
  int32_t drop = 0;
};

TPictureFit FitPicture(int32_t width, int32_t height, int32_t max_width, int32_t max_height);

class TZoomItemsPanelManager : public TAnimHideDiscoveredPanelManeger {
 protected:
  // The box values must be above 0; false (and a warning) otherwise.
  bool CheckBox(int32_t max_width, int32_t max_height);
  TPictureFit Fit(const ISceneObjectDef& object) const;
};

}  // namespace corvellane
