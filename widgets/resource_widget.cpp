#include "widgets/resource_widget.h"

#include "engine/engine_interface.h"
#include "persistence/log.h"
#include "persistence/property_table.h"

namespace corvellane {

const TPropertyTable& TResourceWidget::Properties() {
  using W = TResourceWidget;
  using Table = TPropertyTableOf<W>;
  static const TPropertyTable table = Table(TSingleWidget::Properties())
                                          .Text("resourcename", &W::GetResourceName, &W::SetResourceName, "",
                                                Table::Always());
  return table;
}

void TResourceWidget::SetResourceName(std::string_view name) {
  if (name == resource_name_) return;
  resource_name_ = std::string(name);
  missing_reported_ = false;
  SetChanged(true);
  ResourceNameChanged();
}

IEngine* TResourceWidget::Engine() {
  IWidgetOwner* owner = GetOwner();
  return owner ? owner->GetEngine() : nullptr;
}

Ref<IImageResource> TResourceWidget::GetImageResource() {
  IEngine* engine = Engine();
  if (!engine || resource_name_.empty()) return nullptr;
  Ref<IResource> resource = engine->GetResource(resource_name_);
  Ref<IImageResource> image = QueryInterface<IImageResource>(resource);
  if (!image) ReportMissing(resource != nullptr);
  return image;
}

void TResourceWidget::ReportMissing(bool found_something) {
  if (missing_reported_) return;
  missing_reported_ = true;
  LogWarning(GetPath() + ": image resource '" + resource_name_ + "' " +
             (found_something ? "is not an image" : "not found"));
}

}  // namespace corvellane
