#include "controls/empty_image.h"

#include "engine/engine_interface.h"
#include "engine/image_resource.h"

namespace corvellane {

bool ShowsEmptyImage(IWidget& widget, IEngine* engine) {
  if (!engine) return false;
  Ref<IResourceCollection> resources = engine->GetResources();
  if (!resources) return false;
  const Variant name = widget.GetProperty("resourcename");
  if (name.IsEmptyOrNull()) return false;
  Ref<IImageResource> image = QueryInterface<IImageResource>(resources->GetResource(Variant(name.ToText())));
  return image && image->GetImageWidth() < 1 && image->GetImageHeight() < 1;
}

}  // namespace corvellane
