#include "story_screens/widget_ops.h"

#include "persistence/object_io.h"
#include "widgets/widget_owner_interface.h"
#include "widgets/widget_collection_interface.h"

namespace corvellane {

Ref<TParamCollection> MakeParams(std::initializer_list<std::pair<std::string_view, Variant>> values) {
  Ref<TParamCollection> params = CreateObject<TParamCollection>();
  for (const auto& [name, value] : values) params->SetNamedValue(name, value);
  return params;
}

int32_t ParamInt(IParamCollection* params, std::string_view name, int32_t fallback) {
  return ParamInteger(params, name).value_or(fallback);
}

void CopyParams(IParamCollection& from, IParamCollection& to) {
  for (int i = 0; i < from.Count(); ++i)
    if (Ref<IParam> param = from.GetParam(Variant(i))) to.SetNamedValue(param->GetName(), param->GetParamValue());
}

Ref<IWidget> MakeFromFactory(IWidget* holder, std::string_view name, IParamCollection* params) {
  Ref<IWidgetOwner> owner = QueryInterface<IWidgetOwner>(holder);
  return owner ? owner->CreateFromFactory(name, params) : nullptr;
}

void FinishChild(IWidget* group, std::string_view name) {
  Ref<IWidgetCollection> children = group ? group->GetWidgets() : nullptr;
  Ref<IWidget> child = children ? children->GetWidgetByName(name) : nullptr;
  if (!child) return;
  child->SetDead(true);
  children->RemoveDead();
}

void RemoveAllChildren(IWidget* group) {
  Ref<IWidgetCollection> children = group ? group->GetWidgets() : nullptr;
  if (!children || children->Count() == 0) return;
  for (int i = 0; i < children->Count(); ++i)
    if (Ref<IWidget> child = children->GetWidgetAt(i)) child->SetDead(true);
  children->RemoveDead();
}

void ReplaceChild(IWidget* group, Ref<IWidget> widget) {
  Ref<IWidgetCollection> children = group ? group->GetWidgets() : nullptr;
  if (!children || !widget) return;
  FinishChild(group, widget->GetName());
  children->Add(std::move(widget));
}

TPoint ScreenOffsetOf(IWidget* widget) {
  if (!widget) return {};
  const TPoint origin = widget->ScreenToLocal({0, 0});
  return {-origin.x, -origin.y};
}

TRect ScreenRectOf(IWidget* widget) {
  if (!widget) return {};
  const TPoint offset = ScreenOffsetOf(widget);
  const TRect rect = widget->GetRect();
  return {rect.left + offset.x, rect.top + offset.y, rect.right + offset.x, rect.bottom + offset.y};
}

void SetWidgetProperty(IWidget* widget, std::string_view name, const Variant& value) {
  if (widget) widget->SetProperty(name, value);
}

}  // namespace corvellane
