// ogg_decoder.h: Ogg Vorbis from memory (vorbisfile), mono or stereo.
//
// The whole stream is decoded to 16-bit samples. Streams with more than two
// channels, chained streams that change rate or channel count midway, and
// damaged files give none; a stream that breaks off keeps what was decoded.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "engine/audio/pcm.h"

namespace corvellane {

bool LooksLikeOgg(std::span<const uint8_t> bytes);
std::optional<DecodedPcm> DecodeOgg(std::span<const uint8_t> bytes);

}  // namespace corvellane
