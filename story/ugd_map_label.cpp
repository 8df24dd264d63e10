#include "story/ugd_map_label.h"

#include "persistence/number_text.h"
#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TUGDMapTaskLabel::Properties() {
  using L = TUGDMapTaskLabel;
  static const TPropertyTable table = TPropertyTableOf<L>(TPropertyObject::Properties())
                                          .Int("anchor_left", &L::anchor_left_, 0)
                                          .Int("anchor_top", &L::anchor_top_, 0)
                                          .Int("selected_left", &L::selected_left_, kUnset)
                                          .Int("selected_top", &L::selected_top_, kUnset)
                                          .Text("resourcename", &L::resource_name_, &L::resource_name_, "img_Unknown_MapLabel")
                                          .Int("resourceleft", &L::resource_left_, 0)
                                          .Int("resourcetop", &L::resource_top_, 0)
                                          .Int("width", &L::width_, 200)
                                          .Int("height", &L::height_, 200);
  return table;
}

void TUGDMapTaskLabel::Init() {
  TPropertyObject::Init();
  SetStorageName("map_label");
  SetTypeName({});
}

void TUGDMapTaskLabel::WriteLabelParams(IParamCollection* params) {
  if (!params) return;
  params->SetNamedValue("anchor_left", Variant(FormatInt(anchor_left_)));
  params->SetNamedValue("anchor_top", Variant(FormatInt(anchor_top_)));
  params->SetNamedValue("resourcename", Variant(resource_name_));
  params->SetNamedValue("resourceleft", Variant(FormatInt(resource_left_)));
  params->SetNamedValue("resourcetop", Variant(FormatInt(resource_top_)));
  params->SetNamedValue("width", Variant(FormatInt(width_)));
  params->SetNamedValue("height", Variant(FormatInt(height_)));
}

void TUGDMapTaskLabel::GetSelectedPosition(int32_t& x, int32_t& y) const {
  if (selected_left_ != kUnset) x = selected_left_;
  if (selected_top_ != kUnset) y = selected_top_;
}

}  // namespace corvellane
