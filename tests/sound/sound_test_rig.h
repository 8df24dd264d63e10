// sound_test_rig.h: a sound manager over a real mixer, on a virtual clock.
//
// Resources and definitions are read from XML text through the real storage.
// Their "file" names a synthesised sound of the rig instead of a file on
// disk, so every level in the output can be predicted:
//
//   "music_left"   constant 10000 on the left only, looping ogg-style music
//   "music_right"  constant 10000 on the right only
//   "beep_100"     constant 8000 on both sides for 100 ms
//   "beep_1000"    the same for 1 s
//   "quiet_1000"   silence for 1 s (a sound that plays but is not heard)
//
//   SoundRig rig;
//   rig.DefineResources(R"(<resource name="m" type="MusicResource" file="music_left" format="ogg"/>)");
//   rig.manager->PlayMusic(rig.Music("m").get());
//   auto out = rig.Run(1000);      // Update + RenderAudio in 10 ms frames
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/audio/mixer.h"
#include "engine/random_source.h"
#include "engine/resource_collection.h"
#include "engine/resource_owner.h"
#include "engine/resource_types.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
#include "sound/sound_definitions.h"
#include "sound/sound_manager.h"
#include "tests/engine/audio_test_sounds.h"

namespace corvellane::testing {

constexpr size_t FramesIn(int32_t ms) { return size_t(ms) * kAudioSampleRate / 1000; }

// Loads the rig's synthesised sounds into the mixer, as the engine loads files.
class SyntheticAudioOwner : public TAbstractObject, public virtual IResourceOwner {
 public:
  SyntheticAudioOwner(TMixer& mixer, TResourceCollection& resources) : mixer_(mixer), resources_(resources) {
    sounds_["music_left"] = MakePcm(FramesIn(500), [](size_t) { return 10000; }, [](size_t) { return 0; });
    sounds_["music_right"] = MakePcm(FramesIn(500), [](size_t) { return 0; }, [](size_t) { return 10000; });
    sounds_["beep_100"] = ConstantPcm(FramesIn(100), 8000);
    sounds_["beep_1000"] = ConstantPcm(FramesIn(1000), 8000);
    sounds_["quiet_1000"] = ConstantPcm(FramesIn(1000), 0);
  }

  std::optional<std::string> ReadResourceBytes(std::string_view) override { return std::nullopt; }
  SampleHandle LoadSample(std::string_view file, int max_playbacks, bool loop) override {
    auto found = sounds_.find(std::string(file));
    return found == sounds_.end() ? 0 : mixer_.AddSample(found->second, max_playbacks, loop);
  }
  void FreeSample(SampleHandle sample) override { mixer_.FreeSample(sample); }
  ChannelHandle LoadMusicModule(std::string_view) override { return mixer_.LoadModule(MakeTinyMod(), true); }
  void FreeMusicModule(ChannelHandle module) override { mixer_.FreeModule(module); }
  TLoopingSample LoadLoopingSample(std::string_view file) override {
    SampleHandle sample = LoadSample(file, 1, true);
    return {sample, mixer_.GetChannel(sample)};
  }
  Ref<IResource> GetResource(std::string_view name) override {
    return resources_.GetResource(Variant(std::string(name)));
  }

 private:
  TMixer& mixer_;
  TResourceCollection& resources_;
  std::map<std::string, MixerPcm> sounds_;
};

struct SoundRig {
  SoundRig() {
    RegisterEngineResourceTypes();
    RegisterSoundClasses();
    GlobalRandom().Seed(20240611);
    manager = CreateObject<TSoundManager>();
    EXPECT_TRUE(manager->Initialise(resources.get(), &mixer));
    manager->SetMusicVolume(100);
    manager->SetSoundVolume(100);
  }
  ~SoundRig() {
    manager->Shutdown();
    resources->RemoveOwner("");
  }

  // "resource" elements, each filed and attached to the synthetic owner.
  void DefineResources(std::string_view xml) {
    Ref<IHierStorageRoot> root = OpenStorageText("<content>" + std::string(xml) + "</content>");
    for (int i = 0; i < root->GetChildCount("resource"); ++i) {
      Ref<IHierStorage> node = root->GetChild("resource", i);
      auto resource = QueryInterface<IResourceOwnerLink>(
          CreateNamed(ReadText(node.get(), "type"), ReadText(node.get(), "name")));
      ASSERT_TRUE(resource) << xml;
      LoadObject(resource.get(), node.get());
      resource->SetOwnerName("test");
      resources->AddResource(resource);
      resource->AttachResourceOwner(owner.get());
    }
  }
  // Sound and music definitions from their elements.
  void DefineSounds(std::string_view xml) {
    sounds->LoadFrom(OpenStorageText("<sounds>" + std::string(xml) + "</sounds>").get());
  }
  Ref<ISound> Sound(std::string_view name) { return sounds->GetSound(Variant(std::string(name))); }
  Ref<IMusic> Music(std::string_view resource_name) {
    Ref<TMusic> music = CreateObject<TMusic>();
    music->SetResourceName(resource_name);
    return music;
  }

  // Frames of the game: each updates the manager, then renders its time.
  std::vector<int16_t> Run(int32_t ms, int32_t frame_ms = 10) {
    std::vector<int16_t> out;
    for (int32_t done = 0; done < ms; done += frame_ms) {
      manager->Update(frame_ms);
      std::vector<int16_t> block(FramesIn(frame_ms) * 2);
      mixer.RenderAudio(block);
      out.insert(out.end(), block.begin(), block.end());
    }
    return out;
  }
  static int16_t Left(const std::vector<int16_t>& out, int32_t ms) { return out[2 * FramesIn(ms)]; }
  static int16_t Right(const std::vector<int16_t>& out, int32_t ms) { return out[2 * FramesIn(ms) + 1]; }

  TMixer mixer;
  Ref<TResourceCollection> resources = CreateObject<TResourceCollection>();
  Ref<SyntheticAudioOwner> owner = MakeRef<SyntheticAudioOwner>(mixer, *resources);
  Ref<TSoundCollection> sounds = CreateObject<TSoundCollection>();
  Ref<TSoundManager> manager;
};

}  // namespace corvellane::testing
