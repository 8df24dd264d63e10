// sound_object_collection.h: TSoundObjectCollection, the sounds in flight.
//
// The sound manager files every sound object it starts here under an
// automatic key and works on them in bulk: advancing them each frame, and
// stopping, pausing or resuming those of one resource or one group. Finished
// and stopped objects leave the collection (their owner link cleared).
// Resource and group names compare without regard to ASCII letter case, as
// every name lookup of the game does.
//
//   Ref<TSoundObjectCollection> sounds = CreateObject<TSoundObjectCollection>();
//   sounds->AddSoundObject(object);
//   sounds->UpdateAll(16);              // finished ones are dropped
//   sounds->PauseGroup("GS_Map");       // only those stoppable by group
#pragma once

#include <cstdint>
#include <string_view>

#include "persistence/collections.h"
#include "sound/sound_object.h"

namespace corvellane {

struct ISoundObjectCollection : virtual ICollection {
  // By position (integer) or key (text); none when absent.
  virtual Ref<ISoundObject> GetSoundObject(const Variant& key) = 0;
  virtual void AddSoundObject(Ref<ISoundObject> object) = 0;
  // Updates the updating objects, last to first, then drops the finished.
  virtual void UpdateAll(int32_t elapsed_ms) = 0;
  virtual void StopByResource(std::string_view resource_name) = 0;
  // The next three touch only objects stoppable by group; nothing for an
  // empty group name.
  virtual void StopGroup(std::string_view group) = 0;
  virtual void PauseGroup(std::string_view group) = 0;
  virtual void ResumeGroup(std::string_view group) = 0;
  virtual void SetVolumeAll(int32_t sound_volume) = 0;
  // Stops every object and empties the collection.
  virtual void StopAll() = 0;
  // Empties the collection without touching the mixer, clearing every
  // object's link to its owner.
  virtual void ReleaseAll() = 0;
  virtual bool ContainsChannel(ChannelHandle channel) const = 0;
};

class TSoundObjectCollection : public TCollection<ISoundObject>, public virtual ISoundObjectCollection {
 public:
  Ref<ISoundObject> GetSoundObject(const Variant& key) override { return GetItem(key); }
  void AddSoundObject(Ref<ISoundObject> object) override;
  void UpdateAll(int32_t elapsed_ms) override;
  void StopByResource(std::string_view resource_name) override;
  void StopGroup(std::string_view group) override;
  void PauseGroup(std::string_view group) override;
  void ResumeGroup(std::string_view group) override;
  void SetVolumeAll(int32_t sound_volume) override;
  void StopAll() override;
  void ReleaseAll() override;
  bool ContainsChannel(ChannelHandle channel) const override;

 private:
  // Visits the objects from the last to the first; a visit answering true
  // stops the object and takes it out.
  template <class Visit>
  void StopWhere(Visit visit);
  template <class Action>
  void ForEachInGroup(std::string_view group, Action action);
  void DropFinished();
  void RemoveAt(int position);
};

}  // namespace corvellane
