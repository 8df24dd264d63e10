// synthetic_audio_owner.h: resources whose files are sounds made up in
// memory, for the sound tests and the sound manager benchmark.
//
// A resource's "file" names one of these instead of a file on disk, so every
// level in the mixer's output can be predicted:
//
//   "music_left"   constant 10000 on the left only, 500 ms (music loops it)
//   "music_right"  constant 10000 on the right only
//   "beep_100"     constant 8000 on both sides for 100 ms
//   "beep_1000"    the same for 1 s
//   "quiet_1000"   silence for 1 s (a sound that plays but is not heard)
//
//   TMixer mixer;
//   Ref<TResourceCollection> resources = CreateObject<TResourceCollection>();
//   Ref<SyntheticAudioOwner> owner = MakeRef<SyntheticAudioOwner>(mixer, *resources);
//   DefineSyntheticResources(*resources, *owner,
//       R"(<resource name="m" type="MusicResource" file="music_left" format="ogg"/>)");
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "engine/audio/mixer.h"
#include "engine/resource_collection.h"
#include "engine/resource_owner.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "persistence/value_access.h"
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

// Creates the "resource" elements of the text (resource types registered),
// files them under the owner name "test" and attaches them to the owner;
// false when one of them is not a resource.
inline bool DefineSyntheticResources(TResourceCollection& resources, IResourceOwner& owner, std::string_view xml) {
  Ref<IHierStorageRoot> root = OpenStorageText("<content>" + std::string(xml) + "</content>");
  for (int i = 0; i < root->GetChildCount("resource"); ++i) {
    Ref<IHierStorage> node = root->GetChild("resource", i);
    auto resource =
        QueryInterface<IResourceOwnerLink>(CreateNamed(ReadText(node.get(), "type"), ReadText(node.get(), "name")));
    if (!resource) return false;
    LoadObject(resource.get(), node.get());
    resource->SetOwnerName("test");
    resources.AddResource(resource);
    resource->AttachResourceOwner(&owner);
  }
  return true;
}

}  // namespace corvellane::testing
