// scene_object_def.h: TSceneObjectDef, one object a scene may show, and
// TSceneObjectDefCollection, a scene's (or a category's) objects.
//
//   <object_def name="cup" objecttype="0" caption="%obj_cup%" category="teatime"
//               resourcename="img_obj_cup" width="96" height="96">
//     <locations>...</locations>
//   </object_def>
//
// "objecttype" is the play role (TSceneObjectType; 5, a random decoration,
// when missing or not a number). "caption" is localised when shown (default
// "unknown_item"). Saving always writes the name, type, caption, category,
// "resourcename", "width" and "height"; the factory names, the two flags
// and the picture offset only when they differ from their defaults, and
// "locations" only when there is one.
#pragma once

#include <string>
#include <string_view>

#include "persistence/object.h"
#include "story/scene_def_interface.h"
#include "story/scene_object_location.h"
#include "story/story_collection.h"

namespace corvellane {

class TSceneObjectDef : public TPropertyObject, public virtual ISceneObjectDef {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  void Cleanup() override { locations_->Cleanup(); }
  // "locations", after the table.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  int32_t GetObjectType() const override { return object_type_; }
  void SetObjectType(int32_t type) override { object_type_ = type; }
  std::string GetCaption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = std::string(caption); }
  std::string GetCategory() const override { return category_; }
  void SetCategory(std::string_view category) override { category_ = std::string(category); }
  std::string GetOnActivationFactory() const override { return on_activation_factory_; }
  void SetOnActivationFactory(std::string_view name) override { on_activation_factory_ = std::string(name); }
  std::string GetIfActivatedOnStartFactory() const override { return if_activated_on_start_factory_; }
  void SetIfActivatedOnStartFactory(std::string_view name) override {
    if_activated_on_start_factory_ = std::string(name);
  }
  bool GetHideOnActivation() const override { return hide_on_activation_; }
  void SetHideOnActivation(bool hide) override { hide_on_activation_ = hide; }
  bool GetFirstGeneration() const override { return first_generation_; }
  void SetFirstGeneration(bool first) override { first_generation_ = first; }
  std::string GetResourceName() const override { return resource_name_; }
  void SetResourceName(std::string_view name) override { resource_name_ = std::string(name); }
  int32_t GetResourceLeft() const override { return resource_left_; }
  void SetResourceLeft(int32_t left) override { resource_left_ = left; }
  int32_t GetResourceTop() const override { return resource_top_; }
  void SetResourceTop(int32_t top) override { resource_top_ = top; }
  int32_t GetWidth() const override { return width_; }
  void SetWidth(int32_t width) override { width_ = width; }
  int32_t GetHeight() const override { return height_; }
  void SetHeight(int32_t height) override { height_ = height; }
  Ref<ISceneObjectLocationCollection> GetLocations() override { return locations_; }
  void FillWidgetParams(std::string_view location_name, IParamCollection* params) override;

 private:
  int32_t object_type_ = static_cast<int32_t>(TSceneObjectType::Decoration);
  std::string caption_ = "unknown_item";
  std::string category_;
  std::string on_activation_factory_;
  std::string if_activated_on_start_factory_;
  bool hide_on_activation_ = false;
  bool first_generation_ = false;
  std::string resource_name_;
  int32_t resource_left_ = 0;
  int32_t resource_top_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  Ref<TSceneObjectLocationCollection> locations_;
};

class TSceneObjectDefCollection
    : public TStoryCollection<TSceneObjectDef, ISceneObjectDef, ISceneObjectDefCollection> {
 public:
  TSceneObjectDefCollection() : TStoryCollection("object_defs", "object_def") {}

  Ref<ISceneObjectDef> AddObjectDef(std::string_view base_name, std::string_view resource_name, int32_t resource_left,
                                    int32_t resource_top, int32_t width, int32_t height) override;
};

}  // namespace corvellane
