// sound_object.h: TSoundObject, one sound in flight, and what it needs of
// the sound manager (ISoundObjectOwner).
//
// A sound object plays one sound definition on one mixer channel: it waits
// for its start delay, plays, and when it loops with a repeat delay, waits a
// random pause between repetitions (drawn anew each time from the
// definition's bounds). A looping sound without repeat delay loops in the
// mixer itself, without a pause. States:
//
//   kWaitingToStart -> kPlaying -> (loop with pause) kWaitingToRepeat -> kPlaying ...
//                                  (otherwise)       finished
//   Pause: kPaused until Resume; Stop: finished at once.
//
// Sounds marked "mutemusic" register their channel with the owner each time
// they start, so the music is lowered while they play. The volume is the
// owner's sound volume times the definition's share of the resource's
// master volume.
//
//   Ref<TSoundObject> s = MakeRef<TSoundObject>();
//   s->SetOwner(manager);
//   if (s->Load(definition) != 0) s->Update(0);    // starts without delay
//   each frame: if (s->IsUpdating()) s->Update(ms);
//   if (s->IsFinished()) ... drop it
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/audio/mixer.h"
#include "engine/resource_collection.h"
#include "persistence/object.h"
#include "sound/sound_definitions.h"

namespace corvellane {

// What sound objects need of the manager that owns them.
struct ISoundObjectOwner : virtual IObject {
  // The mixer while sound is initialised, otherwise none.
  virtual TMixer* GetMixer() = 0;
  virtual IResourceCollection* GetResources() = 0;
  virtual int32_t GetMusicVolume() const = 0;
  virtual int32_t GetSoundVolume() const = 0;
  // A channel that lowers the music while it plays.
  virtual void RegisterDuckingChannel(ChannelHandle channel) = 0;
};

struct ISoundObject : virtual IObject {
  // A plain back link: the owner keeps the object and clears the link.
  virtual void SetOwner(ISoundObjectOwner* owner) = 0;
  virtual void ClearOwner() = 0;
  virtual void Update(int32_t elapsed_ms) = 0;
  // False while paused.
  virtual bool IsUpdating() const = 0;
  // Takes a channel of the definition's sound resource; 0 when there is
  // nothing to play.
  virtual ChannelHandle Load(const ISound& definition) = 0;
  virtual void Stop() = 0;
  virtual bool IsFinished() const = 0;
  virtual void SetFinished(bool finished) = 0;
  virtual std::string GetResourceName() const = 0;
  virtual ChannelHandle GetChannel() const = 0;
  virtual std::string GetGroup() const = 0;
  virtual void SetGroup(std::string_view group) = 0;
  virtual bool IsStoppableByGroup() const = 0;
  // Applies the global sound volume (0 .. 100).
  virtual void SetVolume(int32_t sound_volume) = 0;
  virtual void Pause() = 0;
  // Back to where the sound was: playing (from the start when restart) or
  // waiting out the rest of its delay.
  virtual void Resume(bool restart) = 0;
};

enum class TSoundState { kWaitingToStart = 0, kPlaying = 1, kWaitingToRepeat = 2, kPaused = 3 };

class TSoundObject : public TAbstractObject, public virtual ISoundObject {
 public:
  void SetOwner(ISoundObjectOwner* owner) override { owner_ = owner; }
  void ClearOwner() override { owner_ = nullptr; }
  void Update(int32_t elapsed_ms) override;
  bool IsUpdating() const override { return state_ != TSoundState::kPaused && !finished_; }
  ChannelHandle Load(const ISound& definition) override;
  void Stop() override;
  bool IsFinished() const override { return finished_; }
  void SetFinished(bool finished) override { finished_ = finished; }
  std::string GetResourceName() const override { return resource_name_; }
  ChannelHandle GetChannel() const override { return channel_; }
  std::string GetGroup() const override { return group_; }
  void SetGroup(std::string_view group) override { group_ = std::string(group); }
  bool IsStoppableByGroup() const override { return stoppable_by_group_; }
  void SetVolume(int32_t sound_volume) override;
  void Pause() override;
  void Resume(bool restart) override;

  TSoundState GetState() const { return state_; }
  int32_t GetStartDelay() const { return start_delay_; }
  int32_t GetRepeatDelay() const { return repeat_delay_; }

 private:
  TMixer* Mixer() const { return owner_ ? owner_->GetMixer() : nullptr; }
  void CopyDefinition(const ISound& definition, int32_t master_volume);
  void Play();
  void EndOfPlay();

  ISoundObjectOwner* owner_ = nullptr;
  ChannelHandle channel_ = 0;
  std::string resource_name_;
  std::string group_;
  TSoundState state_ = TSoundState::kWaitingToStart;
  TSoundState paused_from_ = TSoundState::kPlaying;
  int64_t elapsed_ms_ = 0;
  bool finished_ = false;
  bool loop_ = false;
  bool loops_in_mixer_ = false;
  bool mute_music_ = false;
  bool stoppable_by_group_ = false;
  DelayRange start_bounds_;
  DelayRange repeat_bounds_;
  int32_t start_delay_ = 0;
  int32_t repeat_delay_ = 0;
  int32_t volume_factor_ = 100;
  int32_t pan_ = TSound::kKeepPan;
};

// A delay drawn from its bounds: minimum + a uniform share of the span; a
// maximum below the minimum gives the minimum.
int32_t DrawDelay(DelayRange bounds);

}  // namespace corvellane
