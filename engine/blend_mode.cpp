#include "engine/blend_mode.h"

#include <array>

namespace corvellane {
namespace {

constexpr std::array<std::string_view, kBlendModeCount> kBlendNames = {
    "normal", "screen", "overlay", "linearlight", "addition", "maxopaque", "bltfast"};
constexpr std::array<std::string_view, 2> kDrawNames = {"copyrect", "fillcolor"};

template <class Enum, size_t N>
std::optional<Enum> FindName(const std::array<std::string_view, N>& names, std::string_view name) {
  for (size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<Enum>(i);
  }
  return std::nullopt;
}

}  // namespace

std::string_view BlendModeName(TBlendMode mode) { return kBlendNames.at(static_cast<size_t>(mode)); }

std::optional<TBlendMode> BlendModeFromName(std::string_view name) {
  return FindName<TBlendMode>(kBlendNames, name);
}

std::string_view DrawModeName(TDrawMode mode) { return kDrawNames.at(static_cast<size_t>(mode)); }

std::optional<TDrawMode> DrawModeFromName(std::string_view name) {
  return FindName<TDrawMode>(kDrawNames, name);
}

}  // namespace corvellane
