#include "records/record_value.h"

#include "persistence/number_text.h"

namespace corvellane {

std::optional<int32_t> IntegerValue(const Variant& value) {
  if (value.IsInt()) return value.ToInt();
  if (value.IsText()) return ParseInt(value.ToText());
  return std::nullopt;
}

std::string ParamText(IParamCollection* params, std::string_view name, std::string_view fallback) {
  Ref<IParam> param = params ? params->GetParam(Variant(name)) : nullptr;
  return param ? param->GetParamValue().ToText() : std::string(fallback);
}

std::optional<int32_t> ParamInteger(IParamCollection* params, std::string_view name) {
  Ref<IParam> param = params ? params->GetParam(Variant(name)) : nullptr;
  return param ? IntegerValue(param->GetParamValue()) : std::nullopt;
}

}  // namespace corvellane
