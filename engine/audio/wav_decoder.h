// wav_decoder.h: RIFF WAVE files with integer PCM, 8 or 16 bits, mono or stereo.
//
// Files from the wild are often slightly wrong; the reader is strict about
// what it cannot guess and lenient about the rest:
//   - chunks are walked by their sizes, odd sizes padded, unknown ones skipped;
//   - a "data" chunk that claims more bytes than the file holds is cut to
//     what is there (a truncated download still plays what arrived);
//   - the format must be PCM (or the extensible form of it) with 1 or 2
//     channels, 8 or 16 bits and a rate from 4000 to 192000 Hz; a block size
//     that disagrees with channels x bytes is corrected;
//   - anything else (no "fmt " before "data", sizes that run past the end of
//     the file in the header, other encodings) gives none.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "engine/audio/pcm.h"

namespace corvellane {

bool LooksLikeWav(std::span<const uint8_t> bytes);
std::optional<DecodedPcm> DecodeWav(std::span<const uint8_t> bytes);

}  // namespace corvellane
