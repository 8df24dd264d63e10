// mixer.h: the game's own software mixer: samples, channels, tracker music.
//
// Samples are whole sounds decoded at load time to 16-bit stereo 44100 Hz
// (WAV or Ogg Vorbis, sound_decoder.h). A sample hands out channels, at most
// its playback limit at once; asking for one more either takes over the
// channel that started playing longest ago (StealOldest, the default) or
// answers 0 (Refuse). A stopped channel of the sample is reused first.
// Tracker music (tracker_module.h) is a channel of its own, rendered as the
// mixer runs. Ogg music is simply a looping sample with a limit of one.
//
// Channels:
//   - a handle stays valid while its channel belongs to it: after the sound
//     ended it can be played again (from the start or from where it stopped);
//     once the channel was taken over, or its sample or module freed, the
//     handle is stale and every call with it does nothing (state Stopped);
//   - volume 0 .. 1 and pan -1 (left) .. 1 (right), clamped; pan lowers the
//     other side only, so the centre keeps full volume on both;
//   - SlideVolume moves the volume to a target over a time, sample-exact and
//     linear, optionally stopping the channel when it arrives; slides run
//     while the channel plays; SetVolume cancels a slide;
//   - a gain 0 .. 1 (1 on a new channel) multiplies the volume; it has its
//     own SetGain and SlideGain, so a fade can run on the gain while the
//     volume follows the player's setting, neither undoing the other;
//   - Pause and Stop both keep the position; Play(restart = false) continues
//     from it, Play(restart = true) starts at the beginning; a sound that
//     plays to its end stops and rewinds;
//   - looping comes from the sample and can be changed per channel.
//
// Threads: every call may come from any thread. On SDL the audio device's
// thread pulls RenderAudio while the game thread calls the rest; one mutex,
// held only for short bookkeeping and for the mixing itself, guards the state.
// Decoding happens before the mutex is taken. In headless runs the platform
// calls RenderAudio with exactly the samples of the elapsed virtual time.
//
//   TMixer mixer;
//   SampleHandle click = mixer.LoadSample(bytes, 4, false);
//   ChannelHandle ch = mixer.GetChannel(click);
//   mixer.SetVolume(ch, 0.7f);
//   mixer.Play(ch, true);
//   mixer.SlideGain(ch, 0, 2000, true);     // fade out, then stop
//   mixer.SetVolume(ch, 0.5f);              // during the fade: no jump
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "engine/audio/pcm.h"
#include "engine/platform/platform_interface.h"

namespace corvellane {

class TTrackerModule;

using SampleHandle = uint32_t;   // 0: none
using ChannelHandle = uint32_t;  // 0: none

enum class PlaybackLimit { StealOldest, Refuse };
enum class ChannelState { Stopped, Playing, Paused };

class TMixer final : public IAudioSource {
 public:
  static constexpr int kMaxChannels = 4095;
  static constexpr int kMaxPlaybacksPerSample = 256;

  TMixer();
  ~TMixer();
  TMixer(const TMixer&) = delete;
  TMixer& operator=(const TMixer&) = delete;

  // A sound file (WAV, Ogg Vorbis); 0 when it does not decode. The limit is
  // kept within 1 .. kMaxPlaybacksPerSample.
  SampleHandle LoadSample(std::span<const uint8_t> file_bytes, int max_playbacks, bool loop,
                          PlaybackLimit limit = PlaybackLimit::StealOldest);
  // Already decoded sound.
  SampleHandle AddSample(MixerPcm pcm, int max_playbacks, bool loop, PlaybackLimit limit = PlaybackLimit::StealOldest);
  // Stops and frees its channels; their handles become stale.
  void FreeSample(SampleHandle sample);
  // A channel of the sample, stopped at the start with volume 1 and pan 0.
  ChannelHandle GetChannel(SampleHandle sample);
  // Stops every channel of the sample.
  void StopSample(SampleHandle sample);

  // A tracker module as a stopped channel of its own; 0 when it does not load.
  ChannelHandle LoadModule(std::span<const uint8_t> file_bytes, bool loop);
  void FreeModule(ChannelHandle module);

  bool Play(ChannelHandle channel, bool restart);
  void Pause(ChannelHandle channel);
  void Stop(ChannelHandle channel);
  ChannelState GetState(ChannelHandle channel) const;
  bool IsPlaying(ChannelHandle channel) const { return GetState(channel) == ChannelState::Playing; }
  bool IsValid(ChannelHandle channel) const;

  void SetVolume(ChannelHandle channel, float volume);
  float GetVolume(ChannelHandle channel) const;
  void SetPan(ChannelHandle channel, float pan);
  void SlideVolume(ChannelHandle channel, float target, uint32_t milliseconds, bool stop_at_end);
  // The fade level, multiplied with the volume; SetGain cancels a gain slide.
  void SetGain(ChannelHandle channel, float gain);
  float GetGain(ChannelHandle channel) const;
  void SlideGain(ChannelHandle channel, float target, uint32_t milliseconds, bool stop_at_end);
  // Whether the volume or the gain is sliding.
  bool IsSliding(ChannelHandle channel) const;
  void SetLoop(ChannelHandle channel, bool loop);
  // Frames played into the sample (modules: 0).
  uint64_t GetPosition(ChannelHandle channel) const;

  // Whole output paused: RenderAudio gives silence and nothing advances.
  void SetPaused(bool paused);
  int PlayingChannels() const;

  void RenderAudio(std::span<int16_t> interleaved_stereo) override;

 private:
  struct Sample;
  struct Channel;

  Channel* Find(ChannelHandle handle);
  const Channel* Find(ChannelHandle handle) const;
  Sample* FindSample(SampleHandle handle);
  int AllocateChannel();
  int ChooseChannelFor(Sample& sample);
  void ReleaseChannel(int index);
  ChannelHandle HandleOf(int index) const;
  void MixChannel(Channel& channel, std::span<float> mix);
  size_t MixSegment(Channel& channel, std::span<float> mix);

  mutable std::mutex mutex_;
  std::vector<Sample> samples_;
  std::vector<Channel> channels_;
  std::vector<float> mix_buffer_;
  std::vector<float> module_buffer_;
  uint64_t play_counter_ = 0;
  bool paused_ = false;
};

}  // namespace corvellane
