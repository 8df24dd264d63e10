// pcm.h: decoded sound in the mixer's format, and what decoders hand over.
//
// The mixer plays 16-bit stereo at 44100 Hz only. Decoders produce DecodedPcm
// in the file's own rate and channel count (1 or 2); ToMixerFormat converts
// it once, at load time, so nothing is resampled while mixing.
//
//   std::optional<DecodedPcm> pcm = DecodeWav(bytes);
//   std::optional<MixerPcm> ready = pcm ? ToMixerFormat(*pcm) : std::nullopt;
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvellane {

struct DecodedPcm {
  int sample_rate = 0;
  int channels = 0;               // 1 or 2
  std::vector<int16_t> samples;   // interleaved
};

// Stereo interleaved, 44100 Hz.
struct MixerPcm {
  std::vector<int16_t> samples;
  size_t Frames() const { return samples.size() / 2; }
};

// Accepted source rates; anything outside is a broken header.
inline constexpr int kMinSourceRate = 4000;
inline constexpr int kMaxSourceRate = 192000;
// Longest sound the mixer keeps (an hour); longer input is cut there.
inline constexpr size_t kMaxMixerFrames = size_t(44100) * 3600;

// Linear interpolation between neighbouring frames; mono is copied to both
// sides. None for a rate or channel count out of range.
std::optional<MixerPcm> ToMixerFormat(const DecodedPcm& pcm);

}  // namespace corvellane
