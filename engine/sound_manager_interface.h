// sound_manager_interface.h: ISoundManager, all sound and music of the game.
//
// One sound manager per engine plays everything through the engine's mixer.
// Short sounds play as independent sound objects (a start delay, optional
// looping with a random pause between repetitions, volume and pan). Music is
// a stack: a new music fades the current one out over 2 s and fades in over
// 2 s; stopping the top music fades it out and brings the one below back
// where it stopped. While sounds marked "mutemusic" play, the music is
// lowered (350 ms) and raised again once the last of them ended (500 ms).
// Every sound is filed in a group, the name of the screen that was on top
// when it started, so a screen can pause, resume or stop its own sounds.
//
// Fades work on a gain of their own, kept apart from the player's volume:
// moving the music volume slider during a fade neither jumps nor is undone
// when the fade ends.
//
// Definitions come from sound/sound_definitions.h (ISound, IMusic); they
// are passed as plain objects so this header stays below the sound folder.
// Anything else, or none, plays nothing. Resources are looked up by the
// definition's "resourcename" in the resource collection given at start.
// Before Initialise, after Shutdown, or when Initialise failed, every
// operation quietly does nothing and answers 0 / false: the game runs silent.
//
// How the engine uses it (single thread: the frame loop's). The engine sits
// below the sound folder, so the program creates the manager
// (CreateSoundManager, sound/sound_manager.h) and hands it to the engine:
//
//   Ref<ISoundManager> sound = CreateSoundManager();
//   sound->SetAppActive(true);
//   if (sound->Initialise(resources.get(), &mixer)) {   // engine start
//     sound->SetMusicVolume(GetEngineParam("MusicVolume"));
//     sound->SetSoundVolume(GetEngineParam("SoundVolume"));
//   }
//   sound->SetGroupSource([this] { return TopScreenName(); });
//   each frame:   sound->Update(elapsed_ms);              // before the game
//   engine end:   sound->Shutdown();                      // before the mixer goes
//
// The engine's own sound operations forward as follows:
//   PlayMusic / StopMusic        -> PlayMusic / StopMusic
//   FadeOutMusic / FadeInMusic   -> FadeMusicDown / FadeMusicUp
//   PlaySoundSample              -> PlaySound
//   StopSoundByName              -> StopSound
//   PauseOwnerSounds (owner, p)  -> p ? PauseGroup (owner) : ResumeGroup (owner)
//   StopAllSounds                -> StopAllSounds
//   StopOwnerSounds (owner)      -> StopGroup (owner)
//   IsSoundPlaying (handle)      -> IsChannelPlaying (handle)
//   SetMusicVolume (value)       -> SetMusicVolume (value)
//   IsSoundActive / SetSoundActive -> IsEnabled / SetEnabled
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/audio/mixer.h"
#include "engine/resource_collection.h"
#include "persistence/ref.h"
#include "persistence/variant.h"

namespace corvellane {

struct ISoundManager : virtual IObject {
  // Fixed fade times, in milliseconds.
  static constexpr int32_t kMusicCrossFadeMs = 2000;
  static constexpr int32_t kDuckDownMs = 350;
  static constexpr int32_t kDuckUpMs = 500;
  // Passed to FadeMusicDown / FadeMusicUp for the ducking times above.
  static constexpr int32_t kDefaultFade = -1;

  // Starts playing through the mixer, looking sounds and music up in the
  // resources; both must outlive the manager's use of them (until Shutdown).
  // False, and silence, without a mixer or resources.
  virtual bool Initialise(IResourceCollection* resources, TMixer* mixer) = 0;
  // Stops every sound and music, drops the sound objects and the music
  // stack, and forgets the mixer and the resources.
  virtual void Shutdown() = 0;
  virtual bool IsInitialised() const = 0;

  // The group of sounds started from now on: normally the name of the game's
  // topmost screen. Without a source sounds go to the empty group.
  virtual void SetGroupSource(std::function<std::string()> source) = 0;

  // Advances delays and repeats, drops sounds that ended, raises the music
  // again when the last ducking sound ended.
  virtual void Update(int32_t elapsed_ms) = 0;

  // Output runs only while the player wants sound (enabled) and the program
  // is active; both start true.
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetAppActive(bool active) = 0;

  // 0 .. 100, clamped; a text that is not an integer is ignored. Applied at
  // once to everything playing.
  virtual void SetMusicVolume(const Variant& volume) = 0;
  virtual void SetSoundVolume(const Variant& volume) = 0;
  virtual int32_t GetMusicVolume() const = 0;
  virtual int32_t GetSoundVolume() const = 0;

  // Music stack. PlayMusic answers the music's channel (0: nothing plays).
  virtual ChannelHandle PlayMusic(IObject* music_definition) = 0;
  // Only the music on top of the stack can be stopped; others are ignored.
  virtual void StopMusic(IObject* music_definition) = 0;
  // The current music down to silence (0 ms: paused) and back up to the
  // music volume (0 ms: resumed); kDefaultFade means 350 / 500 ms.
  virtual void FadeMusicDown(int32_t milliseconds) = 0;
  virtual void FadeMusicUp(int32_t milliseconds) = 0;

  // Sounds. PlaySound answers the sound's channel (0: nothing plays).
  virtual ChannelHandle PlaySound(IObject* sound_definition) = 0;
  // Every sound playing the definition's resource.
  virtual void StopSound(IObject* sound_definition) = 0;
  virtual void StopAllSounds() = 0;
  // Sounds of the group whose definitions are stoppable by group; nothing
  // for an empty group name.
  virtual void StopGroup(std::string_view group) = 0;
  virtual void PauseGroup(std::string_view group) = 0;
  virtual void ResumeGroup(std::string_view group) = 0;
  // Whether a sound started by PlaySound with that channel is still in flight.
  virtual bool IsChannelPlaying(ChannelHandle channel) const = 0;
};

}  // namespace corvellane
