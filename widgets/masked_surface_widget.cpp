#include "widgets/masked_surface_widget.h"

#include "engine/engine_interface.h"
#include "engine/image_resource.h"
#include "persistence/log.h"
#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TMaskedSurfaceWidget::Properties() {
  using W = TMaskedSurfaceWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TTransformWidget::Properties())
                                          .Text("resourcename", &W::GetResourceName, &W::SetResourceName, "",
                                                Table::Always());
  return table;
}

void TMaskedSurfaceWidget::SetResourceName(std::string_view name) {
  if (name == resource_name_) return;
  resource_name_ = std::string(name);
  missing_reported_ = false;
  RequestRepaint();
}

Ref<ISurface> TMaskedSurfaceWidget::MaskSurface() {
  IEngine* engine = GetEngine();
  if (!engine) return nullptr;
  Ref<IImageResource> image = QueryInterface<IImageResource>(engine->GetResource(resource_name_));
  Ref<ISurface> mask = image ? image->GetSurface() : nullptr;
  if (!mask && !missing_reported_) {
    missing_reported_ = true;
    LogWarning(GetPath() + ": mask image '" + resource_name_ + "' not found; nothing is shown");
  }
  return mask;
}

void TMaskedSurfaceWidget::Render(ISurface& work) {
  if (Ref<ISurface> mask = MaskSurface()) CopyInnerThroughMask(work, *mask);
}

}  // namespace corvellane
