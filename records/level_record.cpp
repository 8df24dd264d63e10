#include "records/level_record.h"

#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "records/record_value.h"

namespace corvellane {

void TLevelRecord::Init() {
  TPersistObject::Init();
  SetStorageName("levelrecord");
  SetTypeName({});
  params_ = CreateObject<TParamCollection>();
  // The parameters are always the record's own: no type of their own.
  params_->SetTypeName({});
}

void TLevelRecord::SetIntValue(std::string_view name, int32_t value) {
  params_->SetNamedValue(name, Variant(FormatInt(value)));
}

void TLevelRecord::SetTextValue(std::string_view name, std::string_view value) {
  params_->SetNamedValue(name, Variant(value));
}

int32_t TLevelRecord::GetIntValue(std::string_view name, int32_t fallback, bool add_when_missing) {
  if (Ref<IParam> param = params_->GetParam(Variant(name)))
    return ParseInt(param->GetParamValue().ToText()).value_or(fallback);
  if (add_when_missing) SetIntValue(name, fallback);
  return fallback;
}

std::string TLevelRecord::GetTextValue(std::string_view name, std::string_view fallback, bool add_when_missing) {
  if (Ref<IParam> param = params_->GetParam(Variant(name))) return param->GetParamValue().ToText();
  if (add_when_missing) SetTextValue(name, fallback);
  return std::string(fallback);
}

int32_t TLevelRecord::GetLevel() { return ParseInt(GetName()).value_or(-1); }

void TLevelRecord::LoadProperties(IHierStorage* node) {
  TPersistObject::LoadProperties(node);
  LoadChild(params_.get(), node, "params");
}

void TLevelRecord::SaveProperties(IHierStorage* node) {
  TPersistObject::SaveProperties(node);
  SaveChild(params_.get(), node, "params");
}

}  // namespace corvellane
