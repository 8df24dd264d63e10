// ugd_map_label.h: TUGDMapTaskLabel, the label of a task on the city map.
//
//   <map_label name="label_petals_1" anchor_left="520" anchor_top="205"
//              resourcename="img_label_flower_shop" width="80" height="100"/>
//
// Defaults: the picture "img_Unknown_MapLabel", 200 by 200 at (0, 0) of the
// image. "selected_left" and "selected_top" (the position while the label is
// selected) are unset unless given, and saved only when set.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "persistence/object.h"
#include "story/story_collection.h"
#include "story/user_game_data_interface.h"

namespace corvellane {

class TUGDMapTaskLabel : public TPropertyObject, public virtual IUGDMapTaskLabel {
 public:
  static constexpr int32_t kUnset = std::numeric_limits<int32_t>::min();

  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;

  void WriteLabelParams(IParamCollection* params) override;
  void GetSelectedPosition(int32_t& x, int32_t& y) const override;

 private:
  int32_t anchor_left_ = 0;
  int32_t anchor_top_ = 0;
  int32_t selected_left_ = kUnset;
  int32_t selected_top_ = kUnset;
  std::string resource_name_ = "img_Unknown_MapLabel";
  int32_t resource_left_ = 0;
  int32_t resource_top_ = 0;
  int32_t width_ = 200;
  int32_t height_ = 200;
};

class TUGDMapTaskLabelCollection : public TStoryCollection<TUGDMapTaskLabel, IUGDMapTaskLabel> {
 public:
  TUGDMapTaskLabelCollection() : TStoryCollection("map_labels", "map_label") {}
};

}  // namespace corvellane
