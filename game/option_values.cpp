#include "game/option_values.h"

#include <array>
#include <optional>

#include "persistence/number_text.h"

namespace corvellane {
namespace {

bool IsVolume(std::string_view value) {
  const std::optional<int32_t> level = ParseInt(value);
  return level && *level >= 0 && *level <= 100;
}

bool IsYesOrNo(std::string_view value) { return value == "yes" || value == "no"; }

bool IsWideChoice(std::string_view value) { return IsYesOrNo(value) || value == "system"; }

struct OptionRule {
  std::string_view name;
  bool (*usable)(std::string_view value);
};

constexpr std::array<OptionRule, 4> kRules{{
    {"MusicVolume", IsVolume},
    {"SoundVolume", IsVolume},
    {"FullScreenMode", IsYesOrNo},
    {"WideScreenMode", IsWideChoice},
}};

}  // namespace

bool IsUsableOptionValue(std::string_view name, std::string_view value) {
  for (const OptionRule& rule : kRules)
    if (rule.name == name) return rule.usable(value);
  return true;
}

}  // namespace corvellane
