// audio_bench.cpp: what the mixer costs. One iteration mixes one second of
// 44100 Hz stereo in device-sized blocks of 1024 frames; the "core" counter
// is the share of one processor core that real-time playback of that mix
// takes (0.01 = 1 %).
//
//   BM_MixSecond/32/0   32 voices of looping samples
//   BM_MixSecond/32/1   the same plus one tracker music channel
//   BM_MixSecond/32/2   the same with every voice sliding its volume
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/audio/mixer.h"
#include "tests/engine/audio_test_sounds.h"

namespace corvellane {
namespace {

MixerPcm Noise(size_t frames, uint32_t seed) {
  MixerPcm pcm;
  pcm.samples.resize(frames * 2);
  for (int16_t& s : pcm.samples) {
    seed = seed * 1664525u + 1013904223u;
    s = int16_t(seed >> 20) - 2048;
  }
  return pcm;
}

void StartVoices(TMixer& mixer, int voices, bool sliding) {
  for (int v = 0; v < voices; ++v) {
    // Sounds of different lengths, so voices wrap at different moments.
    SampleHandle s = mixer.AddSample(Noise(size_t(20000 + 977 * v), uint32_t(v + 1)), 1, true);
    ChannelHandle c = mixer.GetChannel(s);
    mixer.SetVolume(c, 0.3f + 0.02f * float(v));
    mixer.SetPan(c, float(v % 5 - 2) / 2);
    if (sliding) mixer.SlideVolume(c, 0.1f, 60000, false);
    mixer.Play(c, true);
  }
}

void BM_MixSecond(benchmark::State& state) {
  TMixer mixer;
  int mode = int(state.range(1));
  StartVoices(mixer, int(state.range(0)), mode == 2);
  if (mode >= 1) {
    ChannelHandle music = mixer.LoadModule(testing::MakeTinyMod(), true);
    mixer.Play(music, true);
  }
  std::vector<int16_t> block(1024 * 2);
  for (auto _ : state) {
    for (int done = 0; done < kAudioSampleRate; done += 1024) {
      mixer.RenderAudio(block);
      benchmark::DoNotOptimize(block.data());
    }
  }
  // Seconds of processor time per second of audio.
  state.counters["core"] = benchmark::Counter(double(state.iterations()),
                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_MixSecond)->Args({32, 0})->Args({32, 1})->Args({32, 2})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvellane

BENCHMARK_MAIN();
