// sound_resources.h: sounds, music and random groups of either.
//
//   "SoundResource"       a sample ("master_volume" 0..100, default 100;
//                         "maxplaybacks", 0 meaning 1)
//   "MusicResource"       "format" "mo3" (tracker module, the default) or
//                         "ogg" (a looping sample; its channel is the handle)
//   "SoundGroupResource"  members in the child "resources"; PickNext makes
//   "MusicGroupResource"  a uniformly random member current (GlobalRandom)
//
// A missing or undecodable file gives handle 0: nothing to play. Groups
// answer from the current member, or handle 0, volume 100 and format ogg
// before the first pick.
//
//   Ref<ISoundResource> steps = ...;      // a group
//   steps->PickNext();
//   mixer.Play(mixer.GetChannel(steps->GetHandle()), true);
#pragma once

#include <cstdint>

#include "engine/resource.h"
#include "engine/resource_collection.h"

namespace corvellane {

struct ISoundResource : virtual IResource {
  // Loads first when a load is pending.
  virtual uint32_t GetHandle() = 0;
  virtual int32_t GetMasterVolume() = 0;
  virtual void SetMasterVolume(int32_t volume) = 0;
  virtual void PickNext() = 0;
};

enum class TMusicFormat { kMo3 = 0, kOgg = 1 };

struct IMusicResource : virtual IResource {
  virtual uint32_t GetHandle() = 0;
  virtual TMusicFormat GetMusicFormat() = 0;
  virtual void PickNext() = 0;
};

class TSoundResource : public TResource, public virtual ISoundResource {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  // A playback limit of 0 becomes 1 here.
  void AttachResourceOwner(IResourceOwner* owner) override;

  uint32_t GetHandle() override;
  int32_t GetMasterVolume() override { return master_volume_; }
  void SetMasterVolume(int32_t volume) override;
  void PickNext() override {}
  int32_t GetMaxPlaybacks() const { return max_playbacks_; }

 protected:
  bool LoadData() override;
  void FreeData() override;

 private:
  int32_t master_volume_ = 100;
  int32_t max_playbacks_ = 0;
  SampleHandle sample_ = 0;
};

class TMusicResource : public TResource, public virtual IMusicResource {
 public:
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;

  uint32_t GetHandle() override;
  TMusicFormat GetMusicFormat() override { return format_; }
  void PickNext() override {}

 protected:
  bool LoadData() override;
  void FreeData() override;

 private:
  TMusicFormat format_ = TMusicFormat::kMo3;
  ChannelHandle handle_ = 0;  // the module, or the ogg sample's channel
  SampleHandle sample_ = 0;   // ogg only
};

// Loading, unloading, attaching and releasing reach every member.
class TGroupResource : public TResource {
 public:
  void Init() override;
  void Cleanup() override;
  void LoadProperties(IHierStorage* node) override;
  void SaveProperties(IHierStorage* node) override;
  void AttachResourceOwner(IResourceOwner* owner) override;
  void ReleaseResourceOwner() override;

  TResourceCollection& Members() { return *members_; }

 protected:
  bool LoadData() override {
    members_->LoadPending();
    return true;
  }
  void FreeData() override { members_->UnloadAll(); }
  // A uniformly random member, or none for an empty group.
  Ref<IResource> RandomMember();

 private:
  Ref<TResourceCollection> members_;
};

class TSoundGroupResource : public TGroupResource, public virtual ISoundResource {
 public:
  void Cleanup() override;
  uint32_t GetHandle() override;
  int32_t GetMasterVolume() override;
  void SetMasterVolume(int32_t volume) override;
  void PickNext() override;

 private:
  Ref<ISoundResource> current_;
};

class TMusicGroupResource : public TGroupResource, public virtual IMusicResource {
 public:
  void Cleanup() override;
  uint32_t GetHandle() override;
  TMusicFormat GetMusicFormat() override;
  void PickNext() override;

 private:
  Ref<IMusicResource> current_;
};

}  // namespace corvellane
