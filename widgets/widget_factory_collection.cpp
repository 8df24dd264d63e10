#include "widgets/widget_factory_collection.h"

namespace corvellane {

void TWidgetFactoryCollection::Init() {
  TTypedCreationPersistItemCollection::Init();
  SetStorageName("widgetfactories");
  SetItemElementName("widgetfactory");
}

Ref<IObject> TWidgetFactoryCollection::CreateItem(IHierStorage* child) {
  return QueryInterface<IWidgetFactory>(TTypedCreationPersistItemCollection::CreateItem(child));
}

Ref<IWidgetFactory> TWidgetFactoryCollection::GetFactory(const Variant& key) {
  return QueryInterface<IWidgetFactory>(GetItem(key));
}

bool TWidgetFactoryCollection::AddFactory(Ref<IWidgetFactory> factory) { return AddItem(std::move(factory)); }

Ref<IWidget> TWidgetFactoryCollection::CreateWidget(std::string_view name, IParamCollection* params) {
  Ref<IWidgetFactory> factory = GetFactory(Variant(name));
  return factory ? factory->CreateWidget(params) : nullptr;
}

}  // namespace corvellane
