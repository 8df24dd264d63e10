#include "sound/sound_manager.h"

#include <algorithm>
#include <optional>

#include "engine/sound_resources.h"
#include "persistence/number_text.h"
#include "persistence/object_io.h"
#include "xml/ascii_case.h"

namespace corvellane {

namespace {

// A volume setting as an integer in 0 .. 100; none for a value that is not
// an integer.
std::optional<int32_t> VolumeFrom(const Variant& value) {
  std::optional<int32_t> volume = ParseInt(value.ToText());
  if (!volume) return std::nullopt;
  return std::clamp(*volume, 0, 100);
}

float MixerLevel(int32_t volume) { return float(volume) / 100.0f; }

// Every playback of every sound sample among the resources, also those of
// each member of a sound group (not only its current one). Resources whose
// load is pending have nothing playing and are not loaded for this.
void StopSamplesOf(IResourceCollection& resources, TMixer& mixer) {
  for (int i = 0; i < resources.Count(); ++i) {
    Ref<IResource> resource = resources.GetResource(Variant(int32_t(i)));
    if (auto* group = dynamic_cast<TSoundGroupResource*>(resource.get())) {
      StopSamplesOf(group->Members(), mixer);
    } else if (auto sound = QueryInterface<ISoundResource>(resource); sound && !sound->IsLoadPending()) {
      mixer.StopSample(sound->GetHandle());
    }
  }
}

}  // namespace

TSoundManager::~TSoundManager() {
  // The mixer may already be gone: only the back links are cleared.
  if (sounds_) sounds_->ReleaseAll();
}

// ---- start and end -----------------------------------------------------------

bool TSoundManager::Initialise(IResourceCollection* resources, TMixer* mixer) {
  if (IsInitialised()) Shutdown();
  if (!resources || !mixer) return false;
  resources_ = resources;
  mixer_ = mixer;
  ApplyOutputState();
  return true;
}

void TSoundManager::Shutdown() {
  if (!IsInitialised()) return;
  sounds_->StopAll();
  for (const TMusicEntry& entry : music_.Entries()) mixer_->Stop(entry.channel);
  music_.Clear();
  ducking_.clear();
  mixer_->SetPaused(false);
  mixer_ = nullptr;
  resources_ = nullptr;
}

void TSoundManager::Update(int32_t elapsed_ms) {
  if (!IsInitialised()) return;
  sounds_->UpdateAll(elapsed_ms);
  CheckDucking();
}

// ---- output and volumes --------------------------------------------------------

void TSoundManager::SetEnabled(bool enabled) {
  enabled_ = enabled;
  ApplyOutputState();
}

void TSoundManager::SetAppActive(bool active) {
  app_active_ = active;
  ApplyOutputState();
}

void TSoundManager::ApplyOutputState() {
  if (mixer_) mixer_->SetPaused(!(enabled_ && app_active_));
}

void TSoundManager::SetMusicVolume(const Variant& volume) {
  std::optional<int32_t> level = VolumeFrom(volume);
  if (!level) return;
  music_volume_ = *level;
  if (!mixer_) return;
  // Every music on the stack, so the one that comes back has it too; the
  // fades run on the gain and are not disturbed.
  for (const TMusicEntry& entry : music_.Entries()) mixer_->SetVolume(entry.channel, MixerLevel(music_volume_));
}

void TSoundManager::SetSoundVolume(const Variant& volume) {
  std::optional<int32_t> level = VolumeFrom(volume);
  if (!level) return;
  sound_volume_ = *level;
  if (mixer_) sounds_->SetVolumeAll(sound_volume_);
}

// ---- music ---------------------------------------------------------------------

Ref<IMusicResource> TSoundManager::FindMusic(IObject* music_definition) const {
  Ref<IMusic> music = QueryInterface<IMusic>(music_definition);
  if (!music || !resources_) return nullptr;
  return QueryInterface<IMusicResource>(resources_->GetResource(Variant(music->GetResourceName())));
}

// While sounds that lower the music play, a music that starts or comes back
// stays down with them; the end of the last one raises it.
float TSoundManager::MusicFadeTarget() const {
  const bool ducked =
      std::any_of(ducking_.begin(), ducking_.end(), [&](ChannelHandle channel) { return mixer_->IsPlaying(channel); });
  return ducked ? 0.0f : 1.0f;
}

void TSoundManager::StartMusic(const TMusicEntry& entry) {
  mixer_->SetVolume(entry.channel, MixerLevel(music_volume_));
  mixer_->SetGain(entry.channel, 0);
  mixer_->SlideGain(entry.channel, MusicFadeTarget(), kMusicCrossFadeMs, false);
  mixer_->Play(entry.channel, true);
}

ChannelHandle TSoundManager::PlayMusic(IObject* music_definition) {
  if (!IsInitialised()) return 0;
  Ref<IMusicResource> resource = FindMusic(music_definition);
  if (!resource) return 0;
  resource->PickNext();
  const ChannelHandle channel = resource->GetHandle();
  if (channel == 0 || !mixer_->IsValid(channel)) return 0;
  music_.Prune(*mixer_);
  const TMusicEntry entry{QueryInterface<IMusic>(music_definition)->GetResourceName(), channel};
  if (const TMusicEntry* top = music_.Top(); top && top->channel == channel) {
    // Already the current music: no second entry, no restart.
    if (mixer_->GetState(channel) == ChannelState::Stopped) StartMusic(entry);
    return channel;
  }
  if (const TMusicEntry* top = music_.Top()) mixer_->SlideGain(top->channel, 0, kMusicCrossFadeMs, true);
  music_.Push(entry);
  StartMusic(entry);
  return channel;
}

void TSoundManager::StopMusic(IObject* music_definition) {
  Ref<IMusic> music = QueryInterface<IMusic>(music_definition);
  if (!IsInitialised() || !music) return;
  music_.Prune(*mixer_);
  const TMusicEntry* top = music_.Top();
  if (!top || !EqualsIgnoreAsciiCase(top->resource_name, music->GetResourceName())) return;
  mixer_->SlideGain(top->channel, 0, kMusicCrossFadeMs, true);
  music_.Pop();
  FadeInTopMusic();
}

// The music below comes back where it stopped, from wherever its fade-out
// had got to.
void TSoundManager::FadeInTopMusic() {
  const TMusicEntry* top = music_.Top();
  if (!top) return;
  mixer_->SlideGain(top->channel, MusicFadeTarget(), kMusicCrossFadeMs, false);
  mixer_->Play(top->channel, false);
}

void TSoundManager::FadeMusicDown(int32_t milliseconds) {
  if (!IsInitialised()) return;
  music_.Prune(*mixer_);
  const TMusicEntry* top = music_.Top();
  if (!top) return;
  if (milliseconds == 0) {
    mixer_->Pause(top->channel);
    return;
  }
  mixer_->SlideGain(top->channel, 0, uint32_t(milliseconds < 0 ? kDuckDownMs : milliseconds), false);
}

void TSoundManager::FadeMusicUp(int32_t milliseconds) {
  if (!IsInitialised()) return;
  music_.Prune(*mixer_);
  const TMusicEntry* top = music_.Top();
  if (!top) return;
  if (milliseconds == 0) {
    mixer_->SetGain(top->channel, 1);
  } else {
    mixer_->SlideGain(top->channel, 1, uint32_t(milliseconds < 0 ? kDuckUpMs : milliseconds), false);
  }
  // A music paused by a fade down of 0 ms would otherwise never be heard.
  if (mixer_->GetState(top->channel) == ChannelState::Paused) mixer_->Play(top->channel, false);
}

// ---- ducking -------------------------------------------------------------------

void TSoundManager::RegisterDuckingChannel(ChannelHandle channel) {
  if (std::find(ducking_.begin(), ducking_.end(), channel) == ducking_.end()) ducking_.push_back(channel);
  FadeMusicDown(kDefaultFade);
}

void TSoundManager::CheckDucking() {
  if (ducking_.empty() || !mixer_) return;
  std::erase_if(ducking_, [&](ChannelHandle channel) { return !mixer_->IsPlaying(channel); });
  if (ducking_.empty()) FadeMusicUp(kDefaultFade);
}

// ---- sounds --------------------------------------------------------------------

std::string TSoundManager::CurrentGroup() const { return group_source_ ? group_source_() : std::string(); }

ChannelHandle TSoundManager::PlaySound(IObject* sound_definition) {
  Ref<ISound> sound = QueryInterface<ISound>(sound_definition);
  if (!IsInitialised() || !sound) return 0;
  Ref<TSoundObject> object = CreateObject<TSoundObject>();
  object->SetOwner(this);
  const ChannelHandle channel = object->Load(*sound);
  if (channel == 0) return 0;
  object->SetGroup(CurrentGroup());
  object->Update(0);  // a sound without start delay starts at once
  if (!object->IsFinished()) sounds_->AddSoundObject(object);
  return channel;
}

void TSoundManager::StopSound(IObject* sound_definition) {
  Ref<ISound> sound = QueryInterface<ISound>(sound_definition);
  if (!IsInitialised() || !sound) return;
  sounds_->StopByResource(sound->GetResourceName());
  CheckDucking();
}

void TSoundManager::StopAllSounds() {
  if (!IsInitialised()) return;
  StopSamplesOf(*resources_, *mixer_);
  sounds_->StopAll();
  CheckDucking();
}

void TSoundManager::StopGroup(std::string_view group) {
  if (!IsInitialised()) return;
  sounds_->StopGroup(group);
  CheckDucking();
}

void TSoundManager::PauseGroup(std::string_view group) {
  if (!IsInitialised()) return;
  sounds_->PauseGroup(group);
  CheckDucking();
}

void TSoundManager::ResumeGroup(std::string_view group) {
  if (!IsInitialised()) return;
  sounds_->ResumeGroup(group);
  CheckDucking();
}

bool TSoundManager::IsChannelPlaying(ChannelHandle channel) const { return sounds_->ContainsChannel(channel); }

Ref<ISoundManager> CreateSoundManager() { return CreateObject<TSoundManager>(); }

}  // namespace corvellane
