// widget_factory_collection.h: TWidgetFactoryCollection, the named widget
// templates a group keeps in its "widgetfactories" element.
//
// Items are created by their "type" (normally "WidgetFactory") and filed
// under their names; the first factory of a name stays. Elements whose type
// makes something other than a factory are skipped.
//
//   <widget type="group_widget" name="objects_group">
//     <widgetfactories>
//       <widgetfactory type="WidgetFactory" name="sparkle"> ... </widgetfactory>
//     </widgetfactories>
//     <widgets> ... </widgets>
//   </widget>
//
//   Ref<IWidgetFactory> sparkle = factories->GetFactory(Variant("sparkle"));
//   Ref<IWidget> made = factories->CreateWidget("sparkle", params);  // or none
#pragma once

#include <string_view>

#include "persistence/collections.h"
#include "persistence/params.h"
#include "widgets/widget_factory.h"

namespace corvellane {

struct IWidgetFactoryCollection : virtual ICollection {
  // Key variant: position or name; none when absent.
  virtual Ref<IWidgetFactory> GetFactory(const Variant& key) = 0;
  // Files the factory under its name; false when the name is taken.
  virtual bool AddFactory(Ref<IWidgetFactory> factory) = 0;
};

class TWidgetFactoryCollection : public TTypedCreationPersistItemCollection,
                                 public virtual IWidgetFactoryCollection {
 public:
  void Init() override;
  // Only widget factories are kept.
  Ref<IObject> CreateItem(IHierStorage* child) override;

  Ref<IWidgetFactory> GetFactory(const Variant& key) override;
  bool AddFactory(Ref<IWidgetFactory> factory) override;

  // The widget the factory of that name makes; none when there is no such
  // factory or it makes nothing.
  Ref<IWidget> CreateWidget(std::string_view name, IParamCollection* params);
};

}  // namespace corvellane
