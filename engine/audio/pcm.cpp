#include "engine/audio/pcm.h"

#include <algorithm>

#include "engine/platform/platform_interface.h"

namespace corvellane {

namespace {

int16_t SampleAt(const DecodedPcm& pcm, size_t frame, int side) {
  size_t channel = pcm.channels == 2 ? size_t(side) : 0;
  return pcm.samples[frame * size_t(pcm.channels) + channel];
}

MixerPcm CopyAsStereo(const DecodedPcm& pcm, size_t frames) {
  MixerPcm out;
  out.samples.resize(frames * 2);
  for (size_t f = 0; f < frames; ++f) {
    out.samples[2 * f] = SampleAt(pcm, f, 0);
    out.samples[2 * f + 1] = SampleAt(pcm, f, 1);
  }
  return out;
}

MixerPcm Resample(const DecodedPcm& pcm, size_t source_frames) {
  uint64_t out_frames = uint64_t(source_frames) * kAudioSampleRate / uint64_t(pcm.sample_rate);
  out_frames = std::min<uint64_t>(out_frames, kMaxMixerFrames);
  MixerPcm out;
  out.samples.resize(size_t(out_frames) * 2);
  for (uint64_t f = 0; f < out_frames; ++f) {
    // Exact integer source position, so long sounds do not drift.
    uint64_t scaled = f * uint64_t(pcm.sample_rate);
    size_t i = size_t(scaled / kAudioSampleRate);
    double t = double(scaled % kAudioSampleRate) / kAudioSampleRate;
    size_t j = std::min(i + 1, source_frames - 1);
    for (int side = 0; side < 2; ++side) {
      double a = SampleAt(pcm, i, side), b = SampleAt(pcm, j, side);
      out.samples[2 * f + size_t(side)] = int16_t(a + (b - a) * t);
    }
  }
  return out;
}

}  // namespace

std::optional<MixerPcm> ToMixerFormat(const DecodedPcm& pcm) {
  if (pcm.channels != 1 && pcm.channels != 2) return std::nullopt;
  if (pcm.sample_rate < kMinSourceRate || pcm.sample_rate > kMaxSourceRate) return std::nullopt;
  size_t frames = pcm.samples.size() / size_t(pcm.channels);
  if (frames == 0) return MixerPcm{};
  if (pcm.sample_rate == kAudioSampleRate) return CopyAsStereo(pcm, std::min(frames, kMaxMixerFrames));
  return Resample(pcm, frames);
}

}  // namespace corvellane
