// masked_surface_widget.h: TMaskedSurfaceWidget ("masked_widget"), a
// transform widget that shows its inner picture only where an image
// resource, the mask, has visible pixels.
//
//   <widget type="masked_widget" name="masked_portrait" visible="yes"
//           anchor_left="40" anchor_top="40" resourcename="image_oval_mask">
//     <widgets>
//       <widget type="image_widget" name="image_portrait" visible="yes" .../>
//     </widgets>
//   </widget>
//
// The widget has the inner widget's size; the inner picture's corner is at
// the widget's anchor (the inner widget's own anchor does not move it). Each
// pixel of the picture is copied where the mask's pixel at the same place
// has an alpha above 0, and left transparent elsewhere. Without the mask
// resource (a name that finds no image, reported once) the widget shows
// nothing. "resourcename" is always written; a new name renders again.
#pragma once

#include <string>
#include <string_view>

#include "widgets/transform_widget.h"

namespace corvellane {

class TMaskedSurfaceWidget : public TTransformWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  int32_t GetWidth() override { return InnerWidth(); }
  int32_t GetHeight() override { return InnerHeight(); }

  const std::string& GetResourceName() const { return resource_name_; }
  void SetResourceName(std::string_view name);

 protected:
  void Render(ISurface& work) override;
  TPoint InnerOrigin() override { return InnerAnchorInRect(); }

 private:
  Ref<ISurface> MaskSurface();

  std::string resource_name_;
  bool missing_reported_ = false;
};

}  // namespace corvellane
