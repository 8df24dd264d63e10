// Arbitrary bytes as a sound sample (WAV or Ogg Vorbis, told apart by their
// first bytes): what decodes is whole stereo frames; loaded into the mixer
// and played, it mixes two blocks without harm.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/audio/mixer.h"
#include "engine/audio/sound_decoder.h"
#include "fuzz/fuzz_support.h"

using namespace corvellane;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FuzzQuietly();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (std::optional<MixerPcm> pcm = DecodeSound(bytes)) FuzzCheck(pcm->samples.size() % 2 == 0);
  TMixer mixer;
  const SampleHandle sample = mixer.LoadSample(bytes, 2, false);
  if (sample == 0) return 0;
  mixer.GetChannel(sample);
  std::vector<int16_t> block(2 * 1024);
  mixer.RenderAudio(block);
  mixer.RenderAudio(block);
  mixer.FreeSample(sample);
  return 0;
}
