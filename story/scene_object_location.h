// scene_object_location.h: TSceneObjectLocation, one place where a scene
// object may stand, and TSceneObjectLocationCollection, an object's places.
//
//   <locations>
//     <location name="l1" anchor_left="720" anchor_top="500" z="20" zoom="0.5"/>
//     <location name="spec" anchor_left="511" anchor_top="325"/>
//   </locations>
//
// Coordinates are scene pixels; the anchor is the object's centre. "zoom"
// sets both scale factors and is the default of "zoomx" and "zoomy"; saving
// writes one "zoom" when the two agree, else each that is not 1. "name",
// "anchor_left" and "anchor_top" are always written, everything else only
// when it differs from its default (z 0, transparentlevel 255, zoom 1,
// angle 0). Names are "l" + position by convention; "spec" is reserved
// (scene_def_interface.h).
#pragma once

#include <string_view>

#include "persistence/object.h"
#include "story/scene_def_interface.h"
#include "story/story_collection.h"

namespace corvellane {

class TSceneObjectLocation : public TPropertyObject, public virtual ISceneObjectLocation {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;

  int32_t GetAnchorLeft() const override { return anchor_left_; }
  void SetAnchorLeft(int32_t x) override { anchor_left_ = x; }
  int32_t GetAnchorTop() const override { return anchor_top_; }
  void SetAnchorTop(int32_t y) override { anchor_top_ = y; }
  int32_t GetZ() const override { return z_; }
  void SetZ(int32_t z) override { z_ = z; }
  int32_t GetTransparentLevel() const override { return transparent_level_; }
  void SetTransparentLevel(int32_t level) override { transparent_level_ = level; }
  double GetZoomX() const override { return zoom_x_; }
  void SetZoomX(double zoom) override { zoom_x_ = zoom; }
  double GetZoomY() const override { return zoom_y_; }
  void SetZoomY(double zoom) override { zoom_y_ = zoom; }
  double GetAngle() const override { return angle_; }
  void SetAngle(double angle) override { angle_ = angle; }
  void WriteWidgetParams(IParamCollection* params) override;

 private:
  int32_t anchor_left_ = 0;
  int32_t anchor_top_ = 0;
  int32_t z_ = 0;
  int32_t transparent_level_ = 255;
  double zoom_x_ = 1;
  double zoom_y_ = 1;
  double angle_ = 0;
};

class TSceneObjectLocationCollection
    : public TStoryCollection<TSceneObjectLocation, ISceneObjectLocation, ISceneObjectLocationCollection> {
 public:
  TSceneObjectLocationCollection() : TStoryCollection("locations", "location") {}

  Ref<ISceneObjectLocation> AddLocation(int32_t anchor_left, int32_t anchor_top, int32_t z, int32_t transparent_level,
                                        double zoom_x, double zoom_y, double angle) override;
  void DeleteLocation(const Variant& key) override;
};

}  // namespace corvellane
