// record_value.h: reading the loose parameter values records are made of.
//
// Record fields are parameters (params.h) whose values are whatever the game
// set (integers, texts) or texts read back from a file. These read them the
// one way the records compare them: as whole numbers or as texts.
//
//   std::optional<int32_t> score = IntegerValue(param->GetParamValue());
//   std::string player = ParamText(params, "Player", "");
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "persistence/params.h"
#include "persistence/variant.h"

namespace corvellane {

// The value as a whole number: integers as they are, texts parsed (decimal,
// or "$" and hexadecimal); none for anything else or text that is no number.
std::optional<int32_t> IntegerValue(const Variant& value);

// The text of the parameter of that name (letter case ignored); the fallback
// when there is none.
std::string ParamText(IParamCollection* params, std::string_view name, std::string_view fallback);

// The parameter of that name read as a whole number; none when it is missing
// or is no number.
std::optional<int32_t> ParamInteger(IParamCollection* params, std::string_view name);

}  // namespace corvellane
