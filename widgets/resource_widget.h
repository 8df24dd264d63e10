// resource_widget.h: TResourceWidget, the base of the widgets that show a
// resource of the engine (images, animations, texts).
//
//   <widget type="image_widget" name="image_logo" resourcename="logo" .../>
//
//   Ref<IImageResource> image = widget->GetImageResource();  // none: draw nothing
//
// The resource is looked up by name through the owner chain's engine on every
// draw and hit-test; the widget keeps no reference to it, so unloading or
// removing resources never leaves a widget holding a stale one. A name that
// finds no image is logged once, with the widget's path, the first time the
// widget looks for it while attached (once more after the name changes):
//
//   warning: main/ui_group/image_logo: image resource 'logo' not found
#pragma once

#include <string>
#include <string_view>

#include "engine/image_resource.h"
#include "widgets/single_widget.h"

namespace corvellane {

struct IEngine;

class TResourceWidget : public TSingleWidget {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }

  const std::string& GetResourceName() const { return resource_name_; }
  // A different name is stored and marks the widget changed.
  void SetResourceName(std::string_view name);

  // The named resource when it is an image (fonts are images too); none
  // when detached, missing or of another kind.
  Ref<IImageResource> GetImageResource();

 protected:
  // The engine of the owner chain; none while detached.
  IEngine* Engine();
  // Called after the resource name changed.
  virtual void ResourceNameChanged() {}

 private:
  // Logs the missing image once per name.
  void ReportMissing(bool found_something);

  std::string resource_name_;
  bool missing_reported_ = false;
};

}  // namespace corvellane
