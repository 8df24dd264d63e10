// widget_factory.h: TWidgetFactory, a named template that builds a widget
// subtree from the text of one widget element.
//
// Factories live in a group's "widgetfactories" element
// (widget_factory_collection.h); any widget asks its owner chain for one by
// name (IWidgetOwner::CreateFromFactory), and the nearest group that has a
// factory of that name answers. The created widget comes back unattached and
// marked as not stored: the caller adds it to a group, and saving that group
// leaves it out.
//
//   <widgetfactories>
//     <widgetfactory type="WidgetFactory" name="label_points">
//       <widgetstring><![CDATA[
//         <widget type="text_widget" name="%name%" visible="yes"
//                 anchor_left="%x%" text_utf8="+%value%"/>
//       ]]></widgetstring>
//     </widgetfactory>
//   </widgetfactories>
//
//   auto params = CreateObject<TParamCollection>("\\name=points_1\\x=120\\value=300");
//   Ref<IWidget> label = owner->CreateFromFactory("label_points", params.get());
//   if (label) group->GetWidgets()->Add(label);
//
// Macros: with "usemacros" (the default) every "%name%" of the text is
// replaced by the value of the parameter "name", one parameter after another
// in collection order (case-sensitive; macros no parameter matches stay), and
// the result is parsed on every creation. The values are spliced in as XML
// escaped text, so a value holding a quote, "<" or "&" reads back as itself
// and can neither break the template nor add markup to it.
//
// Without macros ("usemacros" = "no") the text is parsed once and every
// creation loads a new widget from that parsed element; parameters reach the
// widget through "redefinedparams" instead: for each key=value item, the
// parameter named by the value is written to the widget property of the same
// name (the key is not used).
//
//   <widgetfactory type="WidgetFactory" name="sparkle" usemacros="no"
//                  redefinedparams="\a=anchor_left\b=anchor_top">
//
// Failures give no widget (the owner chain then tries farther factories) and
// a warning naming the factory: unparsable text, an unknown type, an error
// while loading; a redefined parameter that cannot be applied is skipped
// with a warning too. "usemacros" and "redefinedparams" read and write by
// name; the template is the "widgetstring" element.
#pragma once

#include <string>
#include <string_view>

#include "persistence/object.h"
#include "persistence/params.h"
#include "persistence/ref.h"
#include "persistence/storage.h"
#include "widgets/widget_interface.h"

namespace corvellane {

struct IWidgetFactory : virtual INamedObject {
  virtual std::string GetWidgetString() const = 0;
  virtual void SetWidgetString(std::string_view text) = 0;
  // The widget string with the parameters' values put in for their macros;
  // unchanged without parameters.
  virtual std::string ExpandMacros(IParamCollection* params) = 0;
  // A new, unattached, not-stored widget; none when the template yields none.
  virtual Ref<IWidget> CreateWidget(IParamCollection* params) = 0;
};

class TWidgetFactory : public TPropertyObject, public virtual IWidgetFactory {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;
  // After the keys: the "widgetstring" element.
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  std::string GetWidgetString() const override { return widget_string_; }
  // Also drops the parsed form, so that a changed text is used next time.
  void SetWidgetString(std::string_view text) override;
  std::string ExpandMacros(IParamCollection* params) override;
  Ref<IWidget> CreateWidget(IParamCollection* params) override;

  bool GetUseMacros() const { return use_macros_; }
  void SetUseMacros(bool on) { use_macros_ = on; }
  const std::string& GetRedefinedParams() const { return redefined_params_; }
  void SetRedefinedParams(std::string_view list) { redefined_params_ = std::string(list); }

 private:
  // The element the widget is created from this time; none when the text
  // does not parse.
  Ref<IHierStorage> TemplateElement(IParamCollection* params);
  // The kept parse of the widget string (use macros off).
  Ref<IHierStorage> ParsedDefinition();
  // The root element of the text; none (and a warning) when it does not
  // parse or holds no element.
  Ref<IHierStorageRoot> ParseTemplate(std::string_view text) const;
  // The widget the element describes, loaded from it; none (and a warning)
  // when its type is unknown, is not a widget or fails to load.
  Ref<IWidget> WidgetFromElement(IHierStorage* element) const;
  // How warnings name this factory.
  std::string Describe() const;
  void ApplyRedefinedParams(IWidget& widget, IParamCollection& params) const;

  std::string widget_string_;
  bool use_macros_ = true;
  std::string redefined_params_;
  Ref<IHierStorageRoot> parsed_definition_;
};

}  // namespace corvellane
