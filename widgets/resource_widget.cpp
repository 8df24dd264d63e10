#include "widgets/resource_widget.h"

#include "engine/engine_interface.h"
#include "persistence/value_access.h"

namespace corvellane {

void TResourceWidget::LoadProperties(IHierStorage* node) {
  TSingleWidget::LoadProperties(node);
  resource_name_ = ReadText(node, "resourcename");
}

void TResourceWidget::SaveProperties(IHierStorage* node) {
  TSingleWidget::SaveProperties(node);
  WriteText(node, "resourcename", resource_name_, true);
}

void TResourceWidget::SetResourceName(std::string_view name) {
  if (name == resource_name_) return;
  resource_name_ = std::string(name);
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
  return QueryInterface<IImageResource>(engine->GetResource(resource_name_));
}

std::optional<Variant> TResourceWidget::ReadDynamicProperty(std::string_view name) {
  if (name == "resourcename") return Variant(resource_name_);
  return TSingleWidget::ReadDynamicProperty(name);
}

bool TResourceWidget::WriteDynamicProperty(std::string_view name, const Variant& value) {
  if (name == "resourcename") {
    SetResourceName(value.ToText());
    return true;
  }
  return TSingleWidget::WriteDynamicProperty(name, value);
}

}  // namespace corvellane
