// sound_decoder.h: any supported sound file (WAV or Ogg Vorbis, told apart by
// their first bytes) straight into the mixer's format.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "engine/audio/pcm.h"

namespace corvellane {

std::optional<MixerPcm> DecodeSound(std::span<const uint8_t> bytes);

}  // namespace corvellane
