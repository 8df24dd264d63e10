#include "engine/audio/sound_decoder.h"

#include "engine/audio/ogg_decoder.h"
#include "engine/audio/wav_decoder.h"

namespace corvellane {

std::optional<MixerPcm> DecodeSound(std::span<const uint8_t> bytes) {
  std::optional<DecodedPcm> pcm;
  if (LooksLikeWav(bytes)) {
    pcm = DecodeWav(bytes);
  } else if (LooksLikeOgg(bytes)) {
    pcm = DecodeOgg(bytes);
  }
  if (!pcm) return std::nullopt;
  return ToMixerFormat(*pcm);
}

}  // namespace corvellane
