#include "scenarios/flash_track.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/random_source.h"
#include "persistence/number_text.h"
#include "persistence/param_string.h"

namespace corvellane {

namespace {

constexpr std::array<std::string_view, 6> kRealProperties = {"angle", "zoom", "anchor_left",
                                                             "anchor_top", "zoomx", "zoomy"};

// Uniform in [0, 1) from the program's one random source.
double RandomUnit() {
  constexpr uint32_t kSteps = 1u << 24;
  return GlobalRandom().Uniform(kSteps) / static_cast<double>(kSteps);
}

double RealOf(std::string_view text) { return ParseFloat(text).value_or(0.0); }

double RealOfValue(const Variant& value) {
  if (value.IsText()) return RealOf(std::string_view(value.ToText()));
  return value.ToFloat(0.0);
}

void ApplyFlags(TFlashTrack& track, std::string_view flags) {
  size_t begin = 0;
  while (begin <= flags.size()) {
    const size_t end = std::min(flags.find('_', begin), flags.size());
    const std::string_view flag = flags.substr(begin, end - begin);
    if (flag == "int") track.is_int = true;
    if (flag == "float") track.is_int = false;
    if (flag == "rnd") track.random = true;
    if (flag == "inc") track.increment = true;
    begin = end + 1;
  }
}

TFlashTrack MakeTrack(const std::string& property, std::string_view value) {
  TFlashTrack track;
  track.property = property;
  track.is_int = std::find(kRealProperties.begin(), kRealProperties.end(), property) == kRealProperties.end();
  const size_t colon = value.find(':');
  if (colon == std::string_view::npos) {
    track.spec = std::string(value);
    return track;
  }
  ApplyFlags(track, value.substr(0, colon));
  track.spec = std::string(value.substr(colon + 1));
  return track;
}

// ";a;b;" for several items, "a" for one.
std::string ListText(const std::vector<std::string>& items) {
  if (items.size() == 1) return items.front();
  std::string text = ";";
  for (const std::string& item : items) text += item + ";";
  return text;
}

}  // namespace

void TFlashTrack::Start(const Variant& current) {
  const size_t colon = spec.find(':');
  const std::string_view spec_view = spec;
  const double low = colon == std::string::npos ? 0.0 : RealOf(spec_view.substr(0, colon));
  target = RealOf(colon == std::string::npos ? spec_view : spec_view.substr(colon + 1));
  start = RealOfValue(current);
  if (random) {
    target = low + target * RandomUnit();
    if (is_int) target = std::trunc(target);
  }
  delta = target;
  if (increment) target = start + delta;
  else delta = target - start;
}

Variant TFlashTrack::ValueAt(int32_t t, int32_t duration) const {
  // Never beyond the end: a tween that runs longer than its duration (a
  // long sound) stays at its target instead of overshooting it.
  const int32_t clamped = std::clamp(t, 0, duration);
  if (is_int) {
    const double step = std::trunc(delta * clamped / duration);
    return Variant(static_cast<int32_t>(std::clamp(std::trunc(start) + step, -2147483648.0, 2147483647.0)));
  }
  return Variant(start + delta * clamped / duration);
}

Variant TFlashTrack::Target() const {
  if (is_int) return Variant(static_cast<int32_t>(std::clamp(target, -2147483648.0, 2147483647.0)));
  return Variant(target);
}

std::string TFlashTrack::ValueText() const {
  std::string flags = is_int ? "int" : "float";
  if (random) flags += "_rnd";
  if (increment) flags += "_inc";
  return flags + ":" + spec;
}

bool ParseFlashTracks(std::string_view properties, std::string_view values, std::vector<TFlashTrack>& tracks) {
  tracks.clear();
  const std::vector<std::string> names = SplitParamItems(properties, ';');
  const std::vector<std::string> specs = SplitParamItems(values, ';');
  if (names.size() > kMaxFlashTracks || names.size() != specs.size()) return false;
  for (size_t i = 0; i < names.size(); ++i) tracks.push_back(MakeTrack(names[i], specs[i]));
  return true;
}

std::string FlashPropertiesText(const std::vector<TFlashTrack>& tracks) {
  std::vector<std::string> items;
  for (const TFlashTrack& t : tracks) items.push_back(t.property);
  return ListText(items);
}

std::string FlashValuesText(const std::vector<TFlashTrack>& tracks) {
  std::vector<std::string> items;
  for (const TFlashTrack& t : tracks) items.push_back(t.ValueText());
  return ListText(items);
}

}  // namespace corvellane
