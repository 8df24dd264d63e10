// panel_item.h: TPanelItem, one entry of the object panel.
//
// An entry stands for one object (two in the find-identical mode: the
// object and its twin), or for several equal ones (hidden names, find
// places: `count`). Its widget is a child of the panel, placed at `place`
// (the top-left corner of the picture in the panel's space) and drawn at
// `zoom`, so it covers `width` x `height` pixels there.
//
// Life: added (shown when it fits in the visible width) -> found -> to hide
// (used up while another item was busy) -> hiding (its hide animation
// runs) -> removed at the next panel step, the items after it closing the gap.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/surface_rect.h"
#include "persistence/ref.h"
#include "story/scene_def_interface.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct TPanelItem {
  Ref<ISceneObjectDef> object;
  Ref<ISceneObjectDef> second;
  // Further objects the entry stands for (hidden names: the same caption).
  std::vector<Ref<ISceneObjectDef>> others;
  int32_t count = 1;
  // None when the panel's factory made no widget: the entry still counts.
  Ref<IWidget> widget;
  TPoint place;
  int32_t width = 0;
  int32_t height = 0;
  double zoom_x = 1.0;
  double zoom_y = 1.0;
  bool shown = false;
  bool busy = false;
  bool found = false;
  bool to_hide = false;
  bool hiding = false;
  // Panel time at which the item will disappear; -1: not known.
  int32_t hide_time = -1;

  bool Holds(const ISceneObjectDef* candidate) const {
    if (!candidate) return false;
    if (object.get() == candidate || second.get() == candidate) return true;
    return std::any_of(others.begin(), others.end(), [&](const Ref<ISceneObjectDef>& o) { return o.get() == candidate; });
  }
};

}  // namespace corvellane
