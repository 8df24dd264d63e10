// flash_track.h: the animated properties of a flash scenario ("properties"
// and "value"), read, written and set going.
//
//   properties=";anchor_left;transparentlevel;"  value=";inc:100;0;"
//   properties="zoom"                            value="float_rnd:0.5:1"
//
// A value may start with flags before a ":", joined by "_": "int", "float"
// (the kind of number; "angle", "zoom", "zoomx", "zoomy", "anchor_left" and
// "anchor_top" are real by default, everything else integer), "rnd" (the
// target is low + r x high, r uniform in [0, 1), from the "low:high" that
// follows) and "inc" (the target is a change from the value at start).
//
//   std::vector<TFlashTrack> tracks;
//   if (!ParseFlashTracks(properties, values, tracks)) ...   // idle: too many, or lists differ
//   track.Start(widget->GetProperty(track.property));
//   widget->SetProperty(track.property, track.ValueAt(t, duration));
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persistence/variant.h"

namespace corvellane {

inline constexpr int kMaxFlashTracks = 5;

struct TFlashTrack {
  std::string property;
  std::string spec;  // the value without its flags
  bool is_int = true;
  bool increment = false;
  bool random = false;
  double start = 0;
  double delta = 0;
  double target = 0;

  // Start, delta and target from the property's value at start.
  void Start(const Variant& current);
  // The value at time t of a tween lasting `duration` ms (> 0). Past the
  // end it stays at the target.
  Variant ValueAt(int32_t t, int32_t duration) const;
  Variant Target() const;
  // The value as data writes it: flags, ":", the specification.
  std::string ValueText() const;
};

// False (tracks cleared) when there are more than kMaxFlashTracks
// properties or not as many values as properties.
bool ParseFlashTracks(std::string_view properties, std::string_view values, std::vector<TFlashTrack>& tracks);
// The "properties" and "value" texts of the tracks.
std::string FlashPropertiesText(const std::vector<TFlashTrack>& tracks);
std::string FlashValuesText(const std::vector<TFlashTrack>& tracks);

}  // namespace corvellane
