#include "widgets/widget_factory.h"

#include <exception>

#include "persistence/object_io.h"
#include "persistence/param_string.h"
#include "persistence/value_access.h"
#include "xml/xml_writer.h"

namespace corvellane {
namespace {

constexpr std::string_view kWidgetStringKey = "widgetstring";

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The root element of the text; none when the text does not parse or holds
// no element.
Ref<IHierStorageRoot> ParseTemplate(std::string_view text) {
  try {
    Ref<IHierStorageRoot> document = OpenStorageText(text);
    if (document && !document->GetNodeName().empty()) return document;
  } catch (const EStorageParseError&) {
    // An unparsable template makes no widget; the owner chain goes on.
  }
  return nullptr;
}

// The widget the element describes, loaded from it; none when its type is
// unknown, is not a widget or fails to load.
Ref<IWidget> WidgetFromElement(IHierStorage* element) {
  try {
    return QueryInterface<IWidget>(CreateFromStorage(element));
  } catch (const std::exception&) {
    return nullptr;
  }
}

void MarkNotStored(IWidget& widget) {
  if (auto* persistent = dynamic_cast<IPersistObject*>(&widget)) persistent->SetStored(false);
}

}  // namespace

void TWidgetFactory::Init() {
  TPersistObject::Init();
  SetStorageName("widgetfactory");
  use_macros_ = true;
}

void TWidgetFactory::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  // The template is usually escaped text or character data; markup written
  // straight into the element is taken as its text too.
  SetWidgetString(node->GetChildContent(kWidgetStringKey).ToText());
  use_macros_ = ReadBool(node, "usemacros", true);
  redefined_params_ = ReadText(node, "redefinedparams");
}

void TWidgetFactory::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  if (!widget_string_.empty()) node->SetChildText(kWidgetStringKey, Variant(widget_string_));
  WriteBool(node, "usemacros", use_macros_, !use_macros_);
  WriteText(node, "redefinedparams", redefined_params_, !redefined_params_.empty());
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
    } catch (const std::exception&) {
      // One entry that cannot be applied does not stop the others.
    }
  }
}

}  // namespace corvellane
