#include "story/ugd_item.h"

#include "persistence/object_io.h"
#include "story/story_collection.h"

namespace corvellane {

void TUGDItem::Init() {
  TPropertyObject::Init();
  SetTypeName({});
  params_ = CreateObject<TParamCollection>();
  params_->SetTypeName({});
}

void TUGDItem::SetElement(std::string_view element) { SetStorageName(element); }

void TUGDItem::LoadProperties(IHierStorage* node) {
  TPropertyObject::LoadProperties(node);
  LoadStoryChild(*params_, node);
}

void TUGDItem::SaveProperties(IHierStorage* node) {
  TPropertyObject::SaveProperties(node);
  SaveStoryChild(*params_, node);
}

}  // namespace corvellane
