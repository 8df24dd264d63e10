// sound_definitions.h: how a named sound or music is to be played.
//
// A sound definition ("Sound") names a sound resource and says at what volume
// and pan it plays, whether it lowers the music while it plays, whether it
// loops, after what random delay it starts and what random pause lies between
// repetitions, and whether group-wide stop, pause and resume affect it:
//
//   <sounds>
//     <sound name="sound_click" resourcename="res_click" volume="80"/>
//     <sound name="sound_birds" resourcename="res_birds" loop="yes"
//            startdelaytime="300" startdelaytime_max="900" cycledelaytime="2000"/>
//   </sounds>
//
// "startdelaytime" sets both start-delay bounds and "cycledelaytime" both
// repeat bounds; the _min / _max keys then refine them. A looping sound is
// stoppable by group unless "stoppable_by_group" says otherwise. Only a
// looping sound saves its delays: one key when both bounds agree, the pair
// otherwise, nothing without a maximum.
//
// By name every key but "stoppable_by_group" reads and writes; "startdelaytime"
// and "cycledelaytime" read the minimum and write both bounds. A value that
// does not convert leaves the property as it is.
//
// A music definition ("Music") names a music resource. Both live in
// collections filed by name ("sounds"/"sound", "musics"/"music"); the first
// definition of a name wins.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persistence/collections.h"
#include "persistence/object.h"

namespace corvellane {

struct ISound : virtual IPropertyObject {
  virtual std::string GetResourceName() const = 0;
  virtual void SetResourceName(std::string_view name) = 0;
  // Percent of the resource's volume, at most 100 (a larger value is held
  // there); 0 or less keeps the resource's volume.
  virtual int32_t GetVolume() const = 0;
  virtual void SetVolume(int32_t volume) = 0;
  // -100 (left) .. 100 (right); -101 keeps the current pan.
  virtual int32_t GetPan() const = 0;
  virtual void SetPan(int32_t pan) = 0;
  virtual bool GetMuteMusic() const = 0;
  virtual void SetMuteMusic(bool mute) = 0;
  virtual bool GetLoop() const = 0;
  virtual void SetLoop(bool loop) = 0;
  virtual int32_t GetStartDelayMin() const = 0;
  virtual void SetStartDelayMin(int32_t ms) = 0;
  virtual int32_t GetStartDelayMax() const = 0;
  virtual void SetStartDelayMax(int32_t ms) = 0;
  virtual int32_t GetCycleDelayMin() const = 0;
  virtual void SetCycleDelayMin(int32_t ms) = 0;
  virtual int32_t GetCycleDelayMax() const = 0;
  virtual void SetCycleDelayMax(int32_t ms) = 0;
  virtual bool IsStoppableByGroup() const = 0;
  virtual void SetStoppableByGroup(bool stoppable) = 0;
};

struct IMusic : virtual IPropertyObject {
  virtual std::string GetResourceName() const = 0;
  virtual void SetResourceName(std::string_view name) = 0;
};

// A random delay between two bounds, in milliseconds.
struct DelayRange {
  int32_t min = 0;
  int32_t max = 0;
};

class TSound : public TPropertyObject, public virtual ISound {
 public:
  static constexpr int32_t kKeepVolume = -1;
  static constexpr int32_t kFullVolume = 100;
  static constexpr int32_t kKeepPan = -101;

  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  void Init() override;

  std::string GetResourceName() const override { return resource_name_; }
  void SetResourceName(std::string_view name) override { resource_name_ = std::string(name); }
  int32_t GetVolume() const override { return volume_; }
  void SetVolume(int32_t volume) override;
  int32_t GetPan() const override { return pan_; }
  void SetPan(int32_t pan) override { pan_ = pan; }
  bool GetMuteMusic() const override { return mute_music_; }
  void SetMuteMusic(bool mute) override { mute_music_ = mute; }
  bool GetLoop() const override { return loop_; }
  void SetLoop(bool loop) override { loop_ = loop; }
  int32_t GetStartDelayMin() const override { return start_delay_.min; }
  void SetStartDelayMin(int32_t ms) override { start_delay_.min = ms; }
  int32_t GetStartDelayMax() const override { return start_delay_.max; }
  void SetStartDelayMax(int32_t ms) override { start_delay_.max = ms; }
  int32_t GetCycleDelayMin() const override { return cycle_delay_.min; }
  void SetCycleDelayMin(int32_t ms) override { cycle_delay_.min = ms; }
  int32_t GetCycleDelayMax() const override { return cycle_delay_.max; }
  void SetCycleDelayMax(int32_t ms) override { cycle_delay_.max = ms; }
  bool IsStoppableByGroup() const override { return stoppable_by_group_; }
  void SetStoppableByGroup(bool stoppable) override { stoppable_by_group_ = stoppable; }

 private:
  std::string resource_name_;
  int32_t volume_ = kKeepVolume;
  int32_t pan_ = kKeepPan;
  bool mute_music_ = false;
  bool loop_ = false;
  DelayRange start_delay_;
  DelayRange cycle_delay_;
  bool stoppable_by_group_ = false;
};

class TMusic : public TPropertyObject, public virtual IMusic {
 public:
  static const TPropertyTable& Properties();
  const TPropertyTable& GetPropertyTable() const override { return Properties(); }
  // Music collections hold only music, so a music has no "type" to write.
  void Init() override;

  std::string GetResourceName() const override { return resource_name_; }
  void SetResourceName(std::string_view name) override { resource_name_ = std::string(name); }

 private:
  std::string resource_name_;
};

class TSoundCollection : public TStaticCreationPersistItemCollection {
 public:
  void Init() override;
  Ref<ISound> GetSound(const Variant& key) { return GetItemAs<ISound>(key); }
};

class TMusicCollection : public TStaticCreationPersistItemCollection {
 public:
  void Init() override;
  Ref<IMusic> GetMusic(const Variant& key) { return GetItemAs<IMusic>(key); }
};

// "Sound" and "Music".
void RegisterSoundClasses();

}  // namespace corvellane
