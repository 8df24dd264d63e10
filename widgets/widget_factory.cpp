#include "widgets/widget_factory.h"

#include <exception>

#include "persistence/log.h"
#include "persistence/object_io.h"
#include "persistence/param_string.h"
#include "persistence/property_table.h"
#include "xml/xml_writer.h"

namespace corvellane {
namespace {

constexpr std::string_view kWidgetStringKey = "widgetstring";

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

void MarkNotStored(IWidget& widget) {
  if (auto* persistent = dynamic_cast<IPersistObject*>(&widget)) persistent->SetStored(false);
}

}  // namespace

const TPropertyTable& TWidgetFactory::Properties() {
  using W = TWidgetFactory;
  static const TPropertyTable table = TPropertyTableOf<W>(TPropertyObject::Properties())
                                          .Bool("usemacros", &W::GetUseMacros, &W::SetUseMacros, true)
                                          .Text("redefinedparams", &W::GetRedefinedParams, &W::SetRedefinedParams);
  return table;
}

void TWidgetFactory::Init() {
  TPropertyObject::Init();
  SetStorageName("widgetfactory");
  use_macros_ = true;
}

void TWidgetFactory::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  // The template is usually escaped text or character data; markup written
  // straight into the element is taken as its text too.
  SetWidgetString(node->GetChildContent(kWidgetStringKey).ToText());
}

void TWidgetFactory::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  if (!widget_string_.empty()) node->SetChildText(kWidgetStringKey, Variant(widget_string_));
}

std::string TWidgetFactory::Describe() const { return "widget factory \"" + GetName() + "\""; }

Ref<IHierStorageRoot> TWidgetFactory::ParseTemplate(std::string_view text) const {
  try {
    Ref<IHierStorageRoot> document = OpenStorageText(text);
    if (document && !document->GetNodeName().empty()) return document;
    LogWarning(Describe() + ": the template holds no element; no widget made");
  } catch (const EStorageParseError& error) {
    LogWarning(Describe() + ": the template does not parse (" + error.what() + "); no widget made");
  }
  return nullptr;
}

Ref<IWidget> TWidgetFactory::WidgetFromElement(IHierStorage* element) const {
  try {
    Ref<TAbstractObject> object = CreateFromStorage(element);
    Ref<IWidget> widget = QueryInterface<IWidget>(object);
    if (object && !widget) LogWarning(Describe() + ": the template makes no widget; skipped");
    return widget;
  } catch (const std::exception& error) {
    LogDataWarning(element, Describe() + ": the widget could not be loaded (" + error.what() + "); skipped");
    return nullptr;
  }
}

void TWidgetFactory::SetWidgetString(std::string_view text) {
  widget_string_ = std::string(text);
  parsed_definition_ = nullptr;
}

std::string TWidgetFactory::ExpandMacros(IParamCollection* params) {
  std::string text = widget_string_;
  if (!params) return text;
  for (int i = 0; i < params->Count(); ++i) {
    Ref<IParam> param = params->GetParam(Variant(i));
    if (!param || param->GetName().empty()) continue;
    ReplaceAll(text, "%" + param->GetName() + "%", EscapeXmlValue(param->GetParamValue().ToText()));
  }
  return text;
}

Ref<IHierStorage> TWidgetFactory::ParsedDefinition() {
  if (!parsed_definition_) parsed_definition_ = ParseTemplate(widget_string_);
  return parsed_definition_;
}

Ref<IHierStorage> TWidgetFactory::TemplateElement(IParamCollection* params) {
  if (use_macros_) return ParseTemplate(ExpandMacros(params));
  return ParsedDefinition();
}

Ref<IWidget> TWidgetFactory::CreateWidget(IParamCollection* params) {
  Ref<IHierStorage> element = TemplateElement(params);
  if (!element) return nullptr;
  Ref<IWidget> widget = WidgetFromElement(element.get());
  if (!widget) return nullptr;
  if (!use_macros_ && params) ApplyRedefinedParams(*widget, *params);
  MarkNotStored(*widget);
  return widget;
}

void TWidgetFactory::ApplyRedefinedParams(IWidget& widget, IParamCollection& params) const {
  for (const ParamPair& entry : ParseParamString(redefined_params_)) {
    try {
      const std::string& name = entry.value;
      Ref<IParam> param = params.GetParam(Variant(name));
      widget.SetProperty(name, param ? param->GetParamValue() : Variant());
    } catch (const std::exception& error) {
      // One entry that cannot be applied does not stop the others.
      LogWarning(Describe() + ": redefined parameter \"" + entry.value + "\" could not be applied (" + error.what() +
                 "); skipped");
    }
  }
}

}  // namespace corvellane
