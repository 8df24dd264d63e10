// sound_manager.h: TSoundManager, the one player of all sound and music, and
// CreateSoundManager, which the program calls to make it.
//
// The behaviour is described with ISoundManager (engine/sound_manager_interface.h).
// Here live the pieces: sound objects (sound/sound_object.h) in a
// collection (sound/sound_object_collection.h), the music stack
// (sound/music_stack.h) and the ducking channels, the sounds marked
// "mutemusic" that are playing now.
//
// Music volume and fades are kept apart in the mixer: the volume is the
// player's setting, the gain carries the cross-fades and the ducking. The
// sound volume scales every sound object's own volume.
//
//   Ref<ISoundManager> sound = CreateSoundManager();
//   sound->Initialise(resources.get(), &mixer);
//   sound->PlayMusic(music_definition.get());
//   sound->PlaySound(click_definition.get());
//   sound->Update(16);
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/sound_manager_interface.h"
#include "persistence/object.h"
#include "persistence/object_io.h"
#include "sound/music_stack.h"
#include "sound/sound_object_collection.h"

namespace corvellane {

struct IMusicResource;

class TSoundManager : public TAbstractObject, public virtual ISoundManager, public virtual ISoundObjectOwner {
 public:
  ~TSoundManager() override;

  // ISoundManager
  bool Initialise(IResourceCollection* resources, TMixer* mixer) override;
  void Shutdown() override;
  bool IsInitialised() const override { return mixer_ != nullptr; }
  void SetGroupSource(std::function<std::string()> source) override { group_source_ = std::move(source); }
  void Update(int32_t elapsed_ms) override;
  bool IsEnabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  void SetAppActive(bool active) override;
  void SetMusicVolume(const Variant& volume) override;
  void SetSoundVolume(const Variant& volume) override;
  int32_t GetMusicVolume() const override { return music_volume_; }
  int32_t GetSoundVolume() const override { return sound_volume_; }
  ChannelHandle PlayMusic(IObject* music_definition) override;
  void StopMusic(IObject* music_definition) override;
  void FadeMusicDown(int32_t milliseconds) override;
  void FadeMusicUp(int32_t milliseconds) override;
  ChannelHandle PlaySound(IObject* sound_definition) override;
  void StopSound(IObject* sound_definition) override;
  void StopAllSounds() override;
  void StopGroup(std::string_view group) override;
  void PauseGroup(std::string_view group) override;
  void ResumeGroup(std::string_view group) override;
  bool IsChannelPlaying(ChannelHandle channel) const override;

  // ISoundObjectOwner
  TMixer* GetMixer() override { return mixer_; }
  IResourceCollection* GetResources() override { return resources_; }
  void RegisterDuckingChannel(ChannelHandle channel) override;

  // For tests: the music stack as it stands.
  const TMusicStack& MusicStack() const { return music_; }
  ISoundObjectCollection& SoundObjects() { return *sounds_; }

 private:
  Ref<IMusicResource> FindMusic(IObject* music_definition) const;
  float MusicFadeTarget() const;
  void StartMusic(const TMusicEntry& entry);
  void FadeInTopMusic();
  void ApplyOutputState();
  // Drops ducking channels that stopped; the music comes back when the last
  // one is gone.
  void CheckDucking();
  std::string CurrentGroup() const;

  IResourceCollection* resources_ = nullptr;  // the engine's; outlives us until Shutdown
  TMixer* mixer_ = nullptr;                   // the engine's; none: silent
  std::function<std::string()> group_source_;
  Ref<TSoundObjectCollection> sounds_ = CreateObject<TSoundObjectCollection>();
  TMusicStack music_;
  std::vector<ChannelHandle> ducking_;
  bool enabled_ = true;
  bool app_active_ = true;
  int32_t music_volume_ = 100;
  int32_t sound_volume_ = 100;
};

// A new sound manager, not yet initialised.
Ref<ISoundManager> CreateSoundManager();

}  // namespace corvellane
