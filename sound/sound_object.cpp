#include "sound/sound_object.h"

#include <algorithm>

#include "engine/random_source.h"
#include "engine/sound_resources.h"

namespace corvellane {

int32_t DrawDelay(DelayRange bounds) {
  const int64_t span = std::max<int64_t>(0, int64_t(bounds.max) - int64_t(bounds.min));
  return bounds.min + int32_t(GlobalRandom().Uniform(uint32_t(span)));
}

ChannelHandle TSoundObject::Load(const ISound& definition) {
  resource_name_ = definition.GetResourceName();
  TMixer* mixer = Mixer();
  IResourceCollection* resources = owner_ ? owner_->GetResources() : nullptr;
  if (!mixer || !resources) return 0;
  Ref<ISoundResource> resource = QueryInterface<ISoundResource>(resources->GetResource(Variant(resource_name_)));
  if (!resource) return 0;
  // A group picks its member here; a single sound stays itself. GetHandle
  // loads a resource whose load is pending, and only then: reloading would
  // cut off every other playback of the same sample.
  resource->PickNext();
  const SampleHandle sample = resource->GetHandle();
  channel_ = sample ? mixer->GetChannel(sample) : 0;
  if (channel_ == 0) return 0;
  CopyDefinition(definition, resource->GetMasterVolume());
  if (loops_in_mixer_) mixer->SetLoop(channel_, true);
  SetVolume(owner_->GetSoundVolume());
  return channel_;
}

void TSoundObject::CopyDefinition(const ISound& definition, int32_t master_volume) {
  state_ = TSoundState::kWaitingToStart;
  elapsed_ms_ = 0;
  mute_music_ = definition.GetMuteMusic();
  loop_ = definition.GetLoop();
  stoppable_by_group_ = definition.IsStoppableByGroup();
  pan_ = definition.GetPan();
  start_bounds_ = {definition.GetStartDelayMin(), definition.GetStartDelayMax()};
  repeat_bounds_ = {definition.GetCycleDelayMin(), definition.GetCycleDelayMax()};
  start_delay_ = DrawDelay(start_bounds_);
  repeat_delay_ = DrawDelay(repeat_bounds_);
  // Without a pause between repetitions the mixer loops the channel itself.
  loops_in_mixer_ = loop_ && repeat_bounds_.max <= 0;
  // Both are percentages; held to 0 .. 100 here too, as any ISound may answer.
  const int32_t share = std::min(definition.GetVolume(), TSound::kFullVolume);
  const int32_t master = std::clamp(master_volume, 0, TSound::kFullVolume);
  volume_factor_ = share > 0 ? share * master / 100 : master;
}

void TSoundObject::SetVolume(int32_t sound_volume) {
  TMixer* mixer = Mixer();
  if (!mixer || channel_ == 0) return;
  const int32_t volume = std::clamp(sound_volume, 0, 100) * volume_factor_ / 100;
  mixer->SetVolume(channel_, float(volume) / 100.0f);
  if (pan_ != TSound::kKeepPan) mixer->SetPan(channel_, float(pan_) / 100.0f);
}

void TSoundObject::Update(int32_t elapsed_ms) {
  if (finished_) return;
  elapsed_ms_ += elapsed_ms;
  switch (state_) {
    case TSoundState::kWaitingToStart:
      if (elapsed_ms_ >= start_delay_) Play();
      break;
    case TSoundState::kWaitingToRepeat:
      if (elapsed_ms_ >= repeat_delay_) Play();
      break;
    case TSoundState::kPlaying:
      if (TMixer* mixer = Mixer(); !mixer || !mixer->IsPlaying(channel_)) EndOfPlay();
      break;
    case TSoundState::kPaused:
      break;
  }
}

void TSoundObject::EndOfPlay() {
  TMixer* mixer = Mixer();
  // A channel taken over by another playback of the sample is gone for good.
  if (loop_ && mixer && mixer->IsValid(channel_)) {
    state_ = TSoundState::kWaitingToRepeat;
    repeat_delay_ = DrawDelay(repeat_bounds_);
    elapsed_ms_ = 0;
    return;
  }
  finished_ = true;
}

void TSoundObject::Play() {
  TMixer* mixer = Mixer();
  if (!mixer || !mixer->Play(channel_, true)) {
    finished_ = true;
    return;
  }
  state_ = TSoundState::kPlaying;
  if (mute_music_) owner_->RegisterDuckingChannel(channel_);
  elapsed_ms_ = 0;
}

void TSoundObject::Stop() {
  if (TMixer* mixer = Mixer()) mixer->Stop(channel_);
  state_ = TSoundState::kPaused;
  channel_ = 0;
  resource_name_.clear();
  finished_ = true;
}

void TSoundObject::Pause() {
  TMixer* mixer = Mixer();
  if (!mixer || channel_ == 0) {
    finished_ = true;
    return;
  }
  if (state_ == TSoundState::kPaused) return;
  mixer->Pause(channel_);
  paused_from_ = state_;
  state_ = TSoundState::kPaused;
}

void TSoundObject::Resume(bool restart) {
  TMixer* mixer = Mixer();
  if (!mixer || channel_ == 0) {
    finished_ = true;
    return;
  }
  if (state_ != TSoundState::kPaused) return;
  // A sound paused during a delay waits out the rest of it.
  if (paused_from_ != TSoundState::kPlaying) {
    state_ = paused_from_;
    return;
  }
  if (!mixer->Play(channel_, restart)) {
    finished_ = true;
    return;
  }
  state_ = TSoundState::kPlaying;
  if (mute_music_) owner_->RegisterDuckingChannel(channel_);
}

}  // namespace corvellane
