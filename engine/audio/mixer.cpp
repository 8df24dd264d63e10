#include "engine/audio/mixer.h"

#include <algorithm>
#include <cmath>

#include "engine/audio/sound_decoder.h"
#include "engine/audio/tracker_module.h"
#include "engine/audio/volume_ramp.h"

namespace corvellane {

namespace {

// A handle is (generation << 12) | (index + 1): index + 1 is never 0, and the
// generation changes each time a slot changes hands, so old handles go stale.
constexpr uint32_t kIndexBits = 12;
constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;
constexpr uint32_t kGenerationLimit = 1u << (32 - kIndexBits);

uint32_t MakeHandle(int index, uint32_t generation) { return (generation << kIndexBits) | uint32_t(index + 1); }
int IndexOf(uint32_t handle) { return int(handle & kIndexMask) - 1; }
uint32_t GenerationOf(uint32_t handle) { return handle >> kIndexBits; }
uint32_t NextGeneration(uint32_t g) { return g + 1 < kGenerationLimit ? g + 1 : 1; }

uint64_t FramesOf(uint32_t milliseconds) { return uint64_t(milliseconds) * kAudioSampleRate / 1000; }

int16_t ToPcm16(float v) { return int16_t(std::lrintf(std::clamp(v, -32768.0f, 32767.0f))); }

}  // namespace

struct TMixer::Sample {
  uint32_t generation = 1;
  bool inUse = false;
  std::shared_ptr<const MixerPcm> pcm;
  int max_playbacks = 1;
  bool loop = false;
  PlaybackLimit limit = PlaybackLimit::StealOldest;
  std::vector<int> channels;  // indices into channels_
};

struct TMixer::Channel {
  uint32_t generation = 1;
  bool inUse = false;
  ChannelState state = ChannelState::Stopped;
  int sample_index = -1;  // -1 for a module
  std::shared_ptr<const MixerPcm> pcm;
  std::unique_ptr<TTrackerModule> module;
  size_t position = 0;
  bool loop = false;
  TVolumeRamp volume;  // what the game set
  TVolumeRamp gain;    // what fades move
  float pan = 0;
  uint64_t started_at = 0;  // play order, for taking over the oldest

  void Reset() {
    state = ChannelState::Stopped;
    position = 0;
    volume.Set(1);
    gain.Set(1);
    pan = 0;
  }
  // The gains of both sides for a volume.
  float Left(float v) const { return v * std::min(1.0f, 1.0f - pan); }
  float Right(float v) const { return v * std::min(1.0f, 1.0f + pan); }
  // A slide that arrived with a stop keeps the position for a resume.
  void Slide(TVolumeRamp& ramp, float target, uint32_t milliseconds, bool stop_at_end) {
    if (ramp.Start(std::clamp(target, 0.0f, 1.0f), FramesOf(milliseconds), stop_at_end)) state = ChannelState::Stopped;
  }
  void AdvanceRamps(uint64_t frames) {
    bool stop_volume = volume.Advance(frames);
    bool stop_gain = gain.Advance(frames);
    if (stop_volume || stop_gain) state = ChannelState::Stopped;
  }
};

TMixer::TMixer() = default;
TMixer::~TMixer() = default;

// ---- samples ---------------------------------------------------------------

SampleHandle TMixer::LoadSample(std::span<const uint8_t> file_bytes, int max_playbacks, bool loop, PlaybackLimit limit) {
  std::optional<MixerPcm> pcm = DecodeSound(file_bytes);
  if (!pcm) return 0;
  return AddSample(std::move(*pcm), max_playbacks, loop, limit);
}

SampleHandle TMixer::AddSample(MixerPcm pcm, int max_playbacks, bool loop, PlaybackLimit limit) {
  auto shared = std::make_shared<const MixerPcm>(std::move(pcm));
  std::lock_guard lock(mutex_);
  auto slot = std::find_if(samples_.begin(), samples_.end(), [](const Sample& s) { return !s.inUse; });
  if (slot == samples_.end()) {
    if (samples_.size() >= kIndexMask) return 0;
    slot = samples_.insert(samples_.end(), Sample{});
  }
  slot->inUse = true;
  slot->pcm = std::move(shared);
  slot->max_playbacks = std::clamp(max_playbacks, 1, kMaxPlaybacksPerSample);
  slot->loop = loop;
  slot->limit = limit;
  slot->channels.clear();
  return MakeHandle(int(slot - samples_.begin()), slot->generation);
}

TMixer::Sample* TMixer::FindSample(SampleHandle handle) {
  int index = IndexOf(handle);
  if (index < 0 || size_t(index) >= samples_.size()) return nullptr;
  Sample& s = samples_[size_t(index)];
  return s.inUse && s.generation == GenerationOf(handle) ? &s : nullptr;
}

void TMixer::FreeSample(SampleHandle handle) {
  std::lock_guard lock(mutex_);
  Sample* s = FindSample(handle);
  if (!s) return;
  for (int index : s->channels) ReleaseChannel(index);
  s->channels.clear();
  s->pcm.reset();
  s->inUse = false;
  s->generation = NextGeneration(s->generation);
}

void TMixer::StopSample(SampleHandle handle) {
  std::lock_guard lock(mutex_);
  if (Sample* s = FindSample(handle)) {
    for (int index : s->channels) channels_[size_t(index)].state = ChannelState::Stopped;
  }
}

ChannelHandle TMixer::GetChannel(SampleHandle handle) {
  std::lock_guard lock(mutex_);
  Sample* s = FindSample(handle);
  if (!s) return 0;
  int index = ChooseChannelFor(*s);
  if (index < 0) return 0;
  Channel& c = channels_[size_t(index)];
  c.Reset();
  c.sample_index = IndexOf(handle);
  c.pcm = s->pcm;
  c.loop = s->loop;
  return HandleOf(index);
}

// A new channel while under the limit; else a stopped one of the sample;
// else, when allowed, the one that has played longest. -1 when refused.
int TMixer::ChooseChannelFor(Sample& sample) {
  if (int(sample.channels.size()) < sample.max_playbacks) {
    int index = AllocateChannel();
    if (index >= 0) sample.channels.push_back(index);
    return index;
  }
  auto is_stopped = [&](int i) { return channels_[size_t(i)].state == ChannelState::Stopped; };
  auto stopped = std::find_if(sample.channels.begin(), sample.channels.end(), is_stopped);
  int chosen = -1;
  if (stopped != sample.channels.end()) {
    chosen = *stopped;
  } else if (sample.limit == PlaybackLimit::StealOldest) {
    chosen = *std::min_element(sample.channels.begin(), sample.channels.end(), [&](int a, int b) {
      return channels_[size_t(a)].started_at < channels_[size_t(b)].started_at;
    });
  }
  if (chosen >= 0) channels_[size_t(chosen)].generation = NextGeneration(channels_[size_t(chosen)].generation);
  return chosen;
}

// ---- channels --------------------------------------------------------------

int TMixer::AllocateChannel() {
  auto slot = std::find_if(channels_.begin(), channels_.end(), [](const Channel& c) { return !c.inUse; });
  if (slot == channels_.end()) {
    if (channels_.size() >= size_t(kMaxChannels)) return -1;
    slot = channels_.insert(channels_.end(), Channel{});
  }
  slot->inUse = true;
  slot->Reset();
  return int(slot - channels_.begin());
}

void TMixer::ReleaseChannel(int index) {
  Channel& c = channels_[size_t(index)];
  c.Reset();
  c.inUse = false;
  c.pcm.reset();
  c.module.reset();
  c.sample_index = -1;
  c.generation = NextGeneration(c.generation);
}

ChannelHandle TMixer::HandleOf(int index) const { return MakeHandle(index, channels_[size_t(index)].generation); }

TMixer::Channel* TMixer::Find(ChannelHandle handle) {
  int index = IndexOf(handle);
  if (index < 0 || size_t(index) >= channels_.size()) return nullptr;
  Channel& c = channels_[size_t(index)];
  return c.inUse && c.generation == GenerationOf(handle) ? &c : nullptr;
}

const TMixer::Channel* TMixer::Find(ChannelHandle handle) const { return const_cast<TMixer*>(this)->Find(handle); }

ChannelHandle TMixer::LoadModule(std::span<const uint8_t> file_bytes, bool loop) {
  std::unique_ptr<TTrackerModule> module = TTrackerModule::Load(file_bytes, loop);
  if (!module) return 0;
  std::lock_guard lock(mutex_);
  int index = AllocateChannel();
  if (index < 0) return 0;
  Channel& c = channels_[size_t(index)];
  c.module = std::move(module);
  c.loop = loop;
  return HandleOf(index);
}

void TMixer::FreeModule(ChannelHandle handle) {
  std::lock_guard lock(mutex_);
  Channel* c = Find(handle);
  if (c && c->module) ReleaseChannel(IndexOf(handle));
}

bool TMixer::Play(ChannelHandle handle, bool restart) {
  std::lock_guard lock(mutex_);
  Channel* c = Find(handle);
  if (!c) return false;
  if (restart) {
    c->position = 0;
    if (c->module) c->module->Restart();
  }
  if (c->state != ChannelState::Playing) c->started_at = ++play_counter_;
  c->state = ChannelState::Playing;
  return true;
}

void TMixer::Pause(ChannelHandle handle) {
  std::lock_guard lock(mutex_);
  Channel* c = Find(handle);
  if (c && c->state == ChannelState::Playing) c->state = ChannelState::Paused;
}

void TMixer::Stop(ChannelHandle handle) {
  std::lock_guard lock(mutex_);
  if (Channel* c = Find(handle)) c->state = ChannelState::Stopped;
}

ChannelState TMixer::GetState(ChannelHandle handle) const {
  std::lock_guard lock(mutex_);
  const Channel* c = Find(handle);
  return c ? c->state : ChannelState::Stopped;
}

bool TMixer::IsValid(ChannelHandle handle) const {
  std::lock_guard lock(mutex_);
  return Find(handle) != nullptr;
}

void TMixer::SetVolume(ChannelHandle handle, float volume) {
  std::lock_guard lock(mutex_);
  if (Channel* c = Find(handle)) c->volume.Set(std::clamp(volume, 0.0f, 1.0f));
}

float TMixer::GetVolume(ChannelHandle handle) const {
  std::lock_guard lock(mutex_);
  const Channel* c = Find(handle);
  return c ? c->volume.Level() : 0.0f;
}

void TMixer::SetGain(ChannelHandle handle, float gain) {
  std::lock_guard lock(mutex_);
  if (Channel* c = Find(handle)) c->gain.Set(std::clamp(gain, 0.0f, 1.0f));
}

float TMixer::GetGain(ChannelHandle handle) const {
  std::lock_guard lock(mutex_);
  const Channel* c = Find(handle);
  return c ? c->gain.Level() : 0.0f;
}

void TMixer::SetPan(ChannelHandle handle, float pan) {
  std::lock_guard lock(mutex_);
  if (Channel* c = Find(handle)) c->pan = std::clamp(pan, -1.0f, 1.0f);
}

void TMixer::SlideVolume(ChannelHandle handle, float target, uint32_t milliseconds, bool stop_at_end) {
  std::lock_guard lock(mutex_);
  if (Channel* c = Find(handle)) c->Slide(c->volume, target, milliseconds, stop_at_end);
}

void TMixer::SlideGain(ChannelHandle handle, float target, uint32_t milliseconds, bool stop_at_end) {
  std::lock_guard lock(mutex_);
  if (Channel* c = Find(handle)) c->Slide(c->gain, target, milliseconds, stop_at_end);
}

bool TMixer::IsSliding(ChannelHandle handle) const {
  std::lock_guard lock(mutex_);
  const Channel* c = Find(handle);
  return c && (c->volume.IsMoving() || c->gain.IsMoving());
}

void TMixer::SetLoop(ChannelHandle handle, bool loop) {
  std::lock_guard lock(mutex_);
  if (Channel* c = Find(handle)) {
    c->loop = loop;
    if (c->module) c->module->SetLoop(loop);
  }
}

uint64_t TMixer::GetPosition(ChannelHandle handle) const {
  std::lock_guard lock(mutex_);
  const Channel* c = Find(handle);
  return c ? c->position : 0;
}

void TMixer::SetPaused(bool paused) {
  std::lock_guard lock(mutex_);
  paused_ = paused;
}

int TMixer::PlayingChannels() const {
  std::lock_guard lock(mutex_);
  return int(std::count_if(channels_.begin(), channels_.end(),
                           [](const Channel& c) { return c.inUse && c.state == ChannelState::Playing; }));
}

// ---- mixing ----------------------------------------------------------------

void TMixer::RenderAudio(std::span<int16_t> interleaved_stereo) {
  std::lock_guard lock(mutex_);
  size_t frames = interleaved_stereo.size() / 2;
  mix_buffer_.assign(frames * 2, 0.0f);
  if (!paused_) {
    for (Channel& c : channels_) {
      if (c.inUse && c.state == ChannelState::Playing) MixChannel(c, mix_buffer_);
    }
  }
  for (size_t i = 0; i < frames * 2; ++i) interleaved_stereo[i] = ToPcm16(mix_buffer_[i]);
  if (interleaved_stereo.size() % 2) interleaved_stereo.back() = 0;
}

void TMixer::MixChannel(Channel& channel, std::span<float> mix) {
  // A segment may mix nothing once (a looping sound rewinding at its end);
  // a second empty one means the source has nothing more to give.
  for (int idle = 0; mix.size() >= 2 && channel.state == ChannelState::Playing && idle < 2;) {
    size_t done = MixSegment(channel, mix);
    mix = mix.subspan(done * 2);
    idle = done == 0 ? idle + 1 : 0;
  }
}

// Mixes up to the next event (end of the sound, end of the slide, end of the
// buffer) and handles that event; answers the frames mixed.
size_t TMixer::MixSegment(Channel& c, std::span<float> mix) {
  size_t frames = size_t(std::min<uint64_t>({mix.size() / 2, c.volume.Remaining(), c.gain.Remaining()}));
  const float* source = nullptr;
  float scale = 1;
  size_t available = 0;
  if (c.module) {
    module_buffer_.assign(frames * 2, 0.0f);
    available = c.module->Render(module_buffer_);
    source = module_buffer_.data();
    scale = 32767.0f;
  } else {
    available = c.pcm->Frames() > c.position ? c.pcm->Frames() - c.position : 0;
  }
  size_t n = std::min(frames, available);
  // Both levels move linearly, so their product is volume(i) * gain(i).
  const float v0 = c.volume.Level(), dv = c.volume.Step();
  const float g0 = c.gain.Level(), dg = c.gain.Step();
  const int16_t* pcm = c.module ? nullptr : c.pcm->samples.data() + 2 * c.position;
  for (size_t i = 0; i < n; ++i) {
    float v = (v0 + dv * float(i)) * (g0 + dg * float(i));
    float l = pcm ? float(pcm[2 * i]) : source[2 * i] * scale;
    float r = pcm ? float(pcm[2 * i + 1]) : source[2 * i + 1] * scale;
    mix[2 * i] += l * c.Left(v);
    mix[2 * i + 1] += r * c.Right(v);
  }
  if (!c.module) c.position += n;
  c.AdvanceRamps(n);
  if (n < frames || available == n) {
    bool at_end = c.module ? n < frames : c.position >= c.pcm->Frames();
    if (at_end && c.state == ChannelState::Playing) {
      c.position = 0;
      if (!c.loop || (!c.module && c.pcm->Frames() == 0)) c.state = ChannelState::Stopped;
    }
  }
  return n;
}

}  // namespace corvellane
