// sound_manager_bench.cpp: what the sound manager and its mixer cost together.
// One iteration is one second of the game: 100 frames of 10 ms, each updating
// the manager and mixing that frame's 441 frames of 44100 Hz stereo. 32
// sounds play (half looping in the mixer, half looping with a short pause
// that the manager times, some of them ducking the music) over one music
// stream that keeps cross-fading. The "core" counter is the share of one
// processor core that this takes in real time (0.01 = 1 %).
//
//   BM_SoundManagerSecond   32 voices + 1 music
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/random_source.h"
#include "engine/resource_types.h"
#include "sound/sound_definitions.h"
#include "sound/sound_manager.h"
#include "tests/sound/synthetic_audio_owner.h"

namespace corvellane {
namespace {

constexpr int kVoices = 32;
constexpr int kFrameMs = 10;

const char kResources[] = R"(
  <resource name="res_hum" type="SoundResource" file="beep_1000" maxplaybacks="32"/>
  <resource name="res_chirp" type="SoundResource" file="beep_100" maxplaybacks="32"/>
  <resource name="music_a" type="MusicResource" file="music_left" format="ogg"/>
  <resource name="music_b" type="MusicResource" file="music_right" format="ogg"/>)";

const char kSounds[] = R"(<sounds>
  <sound name="sound_hum" resourcename="res_hum" loop="yes" volume="60" pan="-40"/>
  <sound name="sound_chirp" resourcename="res_chirp" loop="yes" cycledelaytime_min="20" cycledelaytime_max="80"/>
  <sound name="sound_hush" resourcename="res_chirp" loop="yes" mutemusic="yes" cycledelaytime="300"/>
</sounds>)";

void BM_SoundManagerSecond(benchmark::State& state) {
  RegisterEngineResourceTypes();
  RegisterSoundClasses();
  GlobalRandom().Seed(1);
  TMixer mixer;
  Ref<TResourceCollection> resources = CreateObject<TResourceCollection>();
  Ref<testing::SyntheticAudioOwner> owner = MakeRef<testing::SyntheticAudioOwner>(mixer, *resources);
  testing::DefineSyntheticResources(*resources, *owner, kResources);
  Ref<TSoundCollection> sounds = CreateObject<TSoundCollection>();
  sounds->LoadFrom(OpenStorageText(kSounds).get());
  Ref<ISoundManager> manager = CreateSoundManager();
  manager->Initialise(resources.get(), &mixer);
  manager->SetMusicVolume(30);
  manager->SetSoundVolume(70);

  Ref<TMusic> music[2] = {CreateObject<TMusic>(), CreateObject<TMusic>()};
  music[0]->SetResourceName("music_a");
  music[1]->SetResourceName("music_b");
  manager->PlayMusic(music[0].get());
  for (int v = 0; v < kVoices; ++v) {
    const char* name = v % 2 == 0 ? "sound_hum" : (v % 8 == 1 ? "sound_hush" : "sound_chirp");
    manager->PlaySound(sounds->GetSound(Variant(name)).get());
  }

  std::vector<int16_t> block(size_t(kAudioSampleRate / 1000 * kFrameMs) * 2);
  int second = 0;
  for (auto _ : state) {
    // A new music each second: the stack cross-fades between the two.
    manager->PlayMusic(music[++second % 2].get());
    for (int ms = 0; ms < 1000; ms += kFrameMs) {
      manager->Update(kFrameMs);
      mixer.RenderAudio(block);
      benchmark::DoNotOptimize(block.data());
    }
  }
  state.counters["core"] = benchmark::Counter(double(state.iterations()),
                                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  manager->Shutdown();
  resources->RemoveOwner("");
}

BENCHMARK(BM_SoundManagerSecond)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvellane

BENCHMARK_MAIN();
