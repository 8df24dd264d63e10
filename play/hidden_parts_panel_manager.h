// hidden_parts_panel_manager.h: THiddenPartsPanelManager
// ("PanelManagerHiddenParts"), the panel of the hidden-parts mode: a broken
// object, drawn big, into which its parts go as they are found.
//
// Layout: "complete_vertical_obj_max_width",
// "complete_vertical_obj_max_height", "complete_horizontal_obj_max_width",
// "complete_horizontal_obj_max_height", "complete_horizontal_obj_top_shift",
// "complete_obj_left_shift".
//
// The complete object (type 3, factory "panel_item_shape_create") is
// scaled into the upright box, or, when it lies (height + 32 < width), into
// the lying box and moved down by the top shift; narrower than the lying
// box, it is centred on it; the left shift moves it right. Its first
// location in the scene is the origin of the parts' places: each part
// (type 2, factory "panel_item_part_create") stands where its location
// "spec" lies relative to that origin, scaled like the complete object,
// with the special location's angle, zoom and z. A part's item waits hidden
// and shows when the part is found. A part without a "spec" location is
// put on the complete object's centre, with a warning.
#pragma once

#include "play/fixed_placed_panel_manager.h"

namespace corvellane {

class THiddenPartsPanelManager : public TFixedPlacedItemsPanelManager {
 public:
  void AddPanelItem(ISceneObjectDef* object) override;
  void MarkFound(ISceneObjectDef* object) override;
  std::string GetObjectNames() override;

 protected:
  bool ReadLayout() override;

 private:
  void AddComplete(ISceneObjectDef& object);
  void AddPart(ISceneObjectDef& object);

  int32_t vertical_width_ = 0;
  int32_t vertical_height_ = 0;
  int32_t horizontal_width_ = 0;
  int32_t horizontal_height_ = 0;
  int32_t horizontal_top_shift_ = 0;
  int32_t left_shift_ = 0;
  // The complete object: its name, scale, centre in the panel and origin in the scene.
  std::string complete_name_;
  double complete_zoom_ = 1.0;
  double centre_x_ = 0.0;
  double centre_y_ = 0.0;
  TPoint origin_;
};

}  // namespace corvellane
