#include "story/scene_object_def.h"

#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TSceneObjectDef::Properties() {
  using O = TSceneObjectDef;
  using Table = TPropertyTableOf<O>;
  static const TPropertyTable table =
      Table(TPropertyObject::Properties())
          .Int("objecttype", &O::object_type_, static_cast<int32_t>(TSceneObjectType::Decoration), Table::Always())
          .Text("caption", &O::caption_, &O::caption_, "unknown_item", Table::Always())
          .Text("category", &O::category_, &O::category_, "", Table::Always())
          .Text("onactivation_factory", &O::on_activation_factory_)
          .Text("ifactivated_onstart_factory", &O::if_activated_on_start_factory_)
          .Bool("hide_on_activation", &O::hide_on_activation_, false)
          .Bool("first_generation", &O::first_generation_, false)
          .Text("resourcename", &O::resource_name_, &O::resource_name_, "", Table::Always())
          .Int("resourceleft", &O::resource_left_, 0)
          .Int("resourcetop", &O::resource_top_, 0)
          .Int("width", &O::width_, 0, Table::Always())
          .Int("height", &O::height_, 0, Table::Always());
  return table;
}

void TSceneObjectDef::Init() {
  TPropertyObject::Init();
  SetStorageName("object_def");
  SetTypeName({});
  locations_ = CreateObject<TSceneObjectLocationCollection>();
}

void TSceneObjectDef::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  LoadStoryChild(*locations_, node);
}

void TSceneObjectDef::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  SaveStoryChild(*locations_, node);
}

void TSceneObjectDef::FillWidgetParams(std::string_view location_name, IParamCollection* params) {
  if (!params) return;
  params->SetNamedValue("name", Variant(GetName()));
  params->SetNamedValue("resourcename", Variant(resource_name_));
  params->SetNamedValue("resourceleft", Variant(FormatInt(resource_left_)));
  params->SetNamedValue("resourcetop", Variant(FormatInt(resource_top_)));
  params->SetNamedValue("width", Variant(FormatInt(width_)));
  params->SetNamedValue("height", Variant(FormatInt(height_)));
  params->SetNamedValue("centerx", Variant(FormatInt(width_ / 2)));
  params->SetNamedValue("centery", Variant(FormatInt(height_ / 2)));
  Ref<ISceneObjectLocation> location = locations_->Get(Variant(location_name));
  if (!location) return;
  params->SetNamedValue("name", Variant(GetName() + "_" + location->GetName()));
  location->WriteWidgetParams(params);
}

Ref<ISceneObjectDef> TSceneObjectDefCollection::AddObjectDef(std::string_view base_name,
                                                             std::string_view resource_name, int32_t resource_left,
                                                             int32_t resource_top, int32_t width, int32_t height) {
  std::string name(base_name);
  for (int suffix = 1; Contains(name); ++suffix) name = std::string(base_name) + FormatInt(suffix);
  Ref<TSceneObjectDef> object = AddNew(name);
  object->SetResourceName(resource_name);
  object->SetResourceLeft(resource_left);
  object->SetResourceTop(resource_top);
  object->SetWidth(width);
  object->SetHeight(height);
  return object;
}

}  // namespace corvellane
