#include "functions/function_collection.h"

namespace corvellane {

void TFunctionCollection::Init() {
  TTypedCreationPersistItemCollection::Init();
  SetStorageName("functions");
  SetItemElementName("function");
}

bool TFunctionCollection::AddItem(Ref<IObject> item) {
  if (!QueryInterface<IFunction>(item)) return false;
  return TTypedCreationPersistItemCollection::AddItem(std::move(item));
}

bool TFunctionCollection::AddFunction(Ref<IFunction> function) { return AddItem(function); }

}  // namespace corvellane
