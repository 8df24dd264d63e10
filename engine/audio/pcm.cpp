#include "engine/audio/pcm.h"

#include <algorithm>

#include "engine/platform/platform.h"

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

MixerPcm Resample(const DecodedPcm& pcm, size_t sourceFrames) {
  uint64_t outFrames = uint64_t(sourceFrames) * kAudioSampleRate / uint64_t(pcm.sampleRate);
  outFrames = std::min<uint64_t>(outFrames, kMaxMixerFrames);
  MixerPcm out;
  out.samples.resize(size_t(outFrames) * 2);
  for (uint64_t f = 0; f < outFrames; ++f) {
    // Exact integer source position, so long sounds do not drift.
    uint64_t scaled = f * uint64_t(pcm.sampleRate);
    size_t i = size_t(scaled / kAudioSampleRate);
    double t = double(scaled % kAudioSampleRate) / kAudioSampleRate;
    size_t j = std::min(i + 1, sourceFrames - 1);
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
  if (pcm.sampleRate < kMinSourceRate || pcm.sampleRate > kMaxSourceRate) return std::nullopt;
  size_t frames = pcm.samples.size() / size_t(pcm.channels);
  if (frames == 0) return MixerPcm{};
  if (pcm.sampleRate == kAudioSampleRate) return CopyAsStereo(pcm, std::min(frames, kMaxMixerFrames));
  return Resample(pcm, frames);
}

}  // namespace corvellane
