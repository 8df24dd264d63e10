#include "widgets/property_aliases.h"

#include "persistence/param_string.h"

namespace corvellane {

bool HasAlias(std::string_view aliases, std::string_view name) {
  std::string marker = "\\";
  marker += name;
  marker += '=';
  return aliases.find(marker) != std::string_view::npos;
}

std::optional<std::string> FindAliasValue(std::string_view aliases, std::string_view name) {
  if (!HasAlias(aliases, name)) return std::nullopt;
  return FindParam(aliases, name);
}

std::vector<std::string> SplitAliasTargets(std::string_view value) { return SplitParamItems(value, ','); }

}  // namespace corvellane
