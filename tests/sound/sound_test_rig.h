// sound_test_rig.h: a sound manager over a real mixer, on a virtual clock.
//
// Resources and definitions are read from XML text through the real storage;
// resource files name the synthesised sounds of synthetic_audio_owner.h, so
// every level in the output can be predicted.
//
//   SoundRig rig;
//   rig.DefineResources(R"(<resource name="m" type="MusicResource" file="music_left" format="ogg"/>)");
//   rig.manager->PlayMusic(rig.Music("m").get());
//   auto out = rig.Run(1000);      // Update + RenderAudio in 10 ms frames
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/random_source.h"
#include "engine/resource_types.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "sound/sound_definitions.h"
#include "sound/sound_manager.h"
#include "tests/sound/synthetic_audio_owner.h"

namespace corvellane::testing {

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

  void DefineResources(std::string_view xml) { ASSERT_TRUE(DefineSyntheticResources(*resources, *owner, xml)) << xml; }
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
