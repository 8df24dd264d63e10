// sound_effects.h: the interface sounds of the demo game, synthesised.
//
// Each effect is mono at kSampleRate, peaking a little below full scale so
// the game's own volume settings have room.
//
//   const TSoundEffect* click = FindSoundEffect("click");
//   std::vector<float> samples = click->make();
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace corvellane {

struct TSoundEffect {
  std::string_view name;
  std::vector<float> (*make)();
  std::string_view about;
};

std::span<const TSoundEffect> SoundEffects();
// None for an unknown name.
const TSoundEffect* FindSoundEffect(std::string_view name);

}  // namespace corvellane
