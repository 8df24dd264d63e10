#include "story/scene_object_location.h"

#include <vector>

#include "persistence/number_text.h"
#include "persistence/property_table.h"
#include "persistence/value_access.h"

namespace corvellane {

namespace {

std::string PlaceName(int position) { return "l" + FormatInt(position); }

}  // namespace

const TPropertyTable& TSceneObjectLocation::Properties() {
  using L = TSceneObjectLocation;
  using Table = TPropertyTableOf<L>;
  static const TPropertyTable table =
      Table(TPropertyObject::Properties())
          .Int("anchor_left", &L::anchor_left_, 0, Table::Always())
          .Int("anchor_top", &L::anchor_top_, 0, Table::Always())
          .Int("z", &L::z_, 0)
          .Int("transparentlevel", &L::transparent_level_, 255)
          // "zoom" stands for both factors in data and is the default of each.
          .Custom(
              "zoom", [](L& l) { return Variant(l.zoom_x_); },
              [](L& l, const Variant& v) {
                l.zoom_x_ = l.zoom_y_ = v.ToFloat(l.zoom_x_);
                return true;
              },
              [](L& l, IHierStorage* node) {
                const double zoom = ReadFloat(node, "zoom", 1);
                l.zoom_x_ = ReadFloat(node, "zoomx", zoom);
                l.zoom_y_ = ReadFloat(node, "zoomy", zoom);
              },
              [](L& l, IHierStorage* node) {
                if (l.zoom_x_ == l.zoom_y_) {
                  WriteFloat(node, "zoom", l.zoom_x_, l.zoom_x_ != 1);
                  return;
                }
                WriteFloat(node, "zoomx", l.zoom_x_, l.zoom_x_ != 1);
                WriteFloat(node, "zoomy", l.zoom_y_, l.zoom_y_ != 1);
              })
          .Float("zoomx", &L::zoom_x_, 1).NameOnly()
          .Float("zoomy", &L::zoom_y_, 1).NameOnly()
          .Float("angle", &L::angle_, 0);
  return table;
}

void TSceneObjectLocation::Init() {
  TPropertyObject::Init();
  SetStorageName("location");
  SetTypeName({});
}

void TSceneObjectLocation::WriteWidgetParams(IParamCollection* params) {
  if (!params) return;
  params->SetNamedValue("anchor_left", Variant(FormatInt(anchor_left_)));
  params->SetNamedValue("anchor_top", Variant(FormatInt(anchor_top_)));
  params->SetNamedValue("z", Variant(FormatInt(z_)));
  params->SetNamedValue("transparentlevel", Variant(FormatInt(transparent_level_)));
  params->SetNamedValue("zoomx", Variant(FormatFloat(zoom_x_)));
  params->SetNamedValue("zoomy", Variant(FormatFloat(zoom_y_)));
  params->SetNamedValue("angle", Variant(FormatFloat(angle_)));
}

Ref<ISceneObjectLocation> TSceneObjectLocationCollection::AddLocation(int32_t anchor_left, int32_t anchor_top,
                                                                      int32_t z, int32_t transparent_level,
                                                                      double zoom_x, double zoom_y, double angle) {
  int position = Count() + 1;
  while (Contains(PlaceName(position))) ++position;
  Ref<TSceneObjectLocation> location = AddNew(PlaceName(position));
  location->SetAnchorLeft(anchor_left);
  location->SetAnchorTop(anchor_top);
  location->SetZ(z);
  location->SetTransparentLevel(transparent_level);
  location->SetZoomX(zoom_x);
  location->SetZoomY(zoom_y);
  location->SetAngle(angle);
  return location;
}

void TSceneObjectLocationCollection::DeleteLocation(const Variant& key) {
  Ref<ISceneObjectLocation> doomed = Get(key);
  if (!doomed) return;
  std::vector<Ref<ISceneObjectLocation>> rest;
  for (int i = 0; i < Count(); ++i)
    if (Ref<ISceneObjectLocation> location = Get(Variant(i)); location != doomed) rest.push_back(location);
  // Filed again from scratch: a new name may be one an old one had.
  ClearItems();
  for (size_t i = 0; i < rest.size(); ++i) {
    if (rest[i]->GetName() != kSpecialLocation) rest[i]->SetName(PlaceName(static_cast<int>(i) + 1));
    Add(rest[i]);
  }
}

}  // namespace corvellane
