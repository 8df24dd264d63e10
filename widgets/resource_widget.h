// resource_widget.h: TResourceWidget, the base of the widgets that show a
// resource of the engine (images, animations, texts).
//
//   <widget type="image_widget" name="image_logo" resourcename="logo" .../>
//
//   Ref<IImageResource> image = widget->GetImageResource();  // none: draw nothing
//
// The resource is looked up by name through the owner chain's engine on every
// draw and hit-test; the widget keeps no reference to it, so unloading or
// removing resources never leaves a widget holding a stale one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/image_resource.h"
#include "widgets/single_widget.h"

namespace corvellane {

struct IEngine;

class TResourceWidget : public TSingleWidget {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

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

  std::optional<Variant> ReadDynamicProperty(std::string_view name) override;
  bool WriteDynamicProperty(std::string_view name, const Variant& value) override;

 private:
  std::string resource_name_;
};

}  // namespace corvellane
