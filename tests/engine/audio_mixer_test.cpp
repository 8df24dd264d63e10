#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "engine/audio/mixer.h"
#include "tests/engine/audio_test_sounds.h"

namespace corvellane {
namespace {

using testing::ConstantPcm;
using testing::MakePcm;


class MixerTest : public ::testing::Test {
 protected:
  // Renders frames and answers the interleaved result.
  std::vector<int16_t> Render(size_t frames) {
    std::vector<int16_t> out(frames * 2);
    mixer.RenderAudio(out);
    return out;
  }
  // Renders in small pieces, as a device would.
  std::vector<int16_t> RenderInPieces(size_t frames, size_t piece) {
    std::vector<int16_t> all;
    while (all.size() < frames * 2) {
      auto part = Render(std::min(piece, frames - all.size() / 2));
      all.insert(all.end(), part.begin(), part.end());
    }
    return all;
  }
  ChannelHandle PlayConstant(int16_t value, size_t frames, bool loop = false) {
    SampleHandle s = mixer.AddSample(ConstantPcm(frames, value), 1, loop);
    ChannelHandle c = mixer.GetChannel(s);
    mixer.Play(c, true);
    return c;
  }
  TMixer mixer;
};

TEST_F(MixerTest, SilenceWithoutChannelsAndWhilePaused) {
  for (int16_t s : Render(100)) ASSERT_EQ(s, 0);
  PlayConstant(1000, 1000);
  mixer.SetPaused(true);
  for (int16_t s : Render(100)) ASSERT_EQ(s, 0);
  mixer.SetPaused(false);
  EXPECT_EQ(Render(1)[0], 1000);
}

TEST_F(MixerTest, VolumePanAndSummingAreClamped) {
  ChannelHandle a = PlayConstant(20000, 1000);
  mixer.SetVolume(a, 0.5f);
  EXPECT_EQ(Render(1), (std::vector<int16_t>{10000, 10000}));
  mixer.SetPan(a, -1);  // hard left
  EXPECT_EQ(Render(1), (std::vector<int16_t>{10000, 0}));
  mixer.SetPan(a, 0.5f);
  EXPECT_EQ(Render(1), (std::vector<int16_t>{5000, 10000}));
  mixer.SetVolume(a, 7);  // beyond full: full
  mixer.SetPan(a, 9);     // beyond right: right
  EXPECT_EQ(Render(1), (std::vector<int16_t>{0, 20000}));
  mixer.SetPan(a, 0);
  PlayConstant(20000, 1000);  // 40000 does not wrap around
  EXPECT_EQ(Render(1), (std::vector<int16_t>{32767, 32767}));
  mixer.SetVolume(a, -3);
  EXPECT_EQ(Render(1), (std::vector<int16_t>{20000, 20000}));
}

TEST_F(MixerTest, AFadeReachesItsTargetAtTheRightFrameAndCanStop) {
  ChannelHandle c = PlayConstant(10000, 44100);
  mixer.SlideVolume(c, 0, 100, true);  // 4410 frames
  auto out = RenderInPieces(8000, 512);
  EXPECT_EQ(out[0], 10000);
  EXPECT_NEAR(out[2 * 2205], 5000, 3);
  EXPECT_NEAR(out[2 * 4409], 2, 2);
  for (size_t f = 4410; f < 8000; ++f) ASSERT_EQ(out[2 * f], 0) << f;
  for (size_t f = 1; f < 4410; ++f) ASSERT_LE(out[2 * f], out[2 * f - 2]) << f;  // never rises
  EXPECT_EQ(mixer.GetState(c), ChannelState::Stopped);
  EXPECT_FALSE(mixer.IsSliding(c));
  EXPECT_EQ(mixer.GetVolume(c), 0.0f);
}

TEST_F(MixerTest, AFadeUpWithoutStopKeepsPlayingAtTheTarget) {
  ChannelHandle c = PlayConstant(10000, 44100, true);
  mixer.SetVolume(c, 0);
  mixer.SlideVolume(c, 0.8f, 50, false);  // 2205 frames
  auto out = Render(3000);
  EXPECT_EQ(out[0], 0);
  EXPECT_NEAR(out[2 * 1102], 4000, 5);
  EXPECT_EQ(out[2 * 2205], 8000);
  EXPECT_EQ(out[2 * 2999], 8000);
  EXPECT_TRUE(mixer.IsPlaying(c));
  // A new slide starts where the running one is.
  mixer.SlideVolume(c, 0, 1000, false);
  Render(441 * 50);  // half of it
  EXPECT_NEAR(mixer.GetVolume(c), 0.4f, 0.001f);
  mixer.SetVolume(c, 1);  // cancels it
  EXPECT_FALSE(mixer.IsSliding(c));
}

TEST_F(MixerTest, AGainFadeKeepsItsCourseWhenTheVolumeChanges) {
  ChannelHandle c = PlayConstant(10000, 44100, true);
  mixer.SetGain(c, 0);
  mixer.SlideGain(c, 1, 100, false);  // 4410 frames
  auto first = Render(2205);
  EXPECT_EQ(first[0], 0);
  EXPECT_NEAR(first[2 * 2204], 5000, 3);
  mixer.SetVolume(c, 0.5f);  // the player turns the music down mid-fade
  EXPECT_TRUE(mixer.IsSliding(c));
  EXPECT_NEAR(mixer.GetGain(c), 0.5f, 0.001f);
  auto second = Render(4000);
  EXPECT_NEAR(second[0], 2500, 3);            // half volume of half gain: no jump up
  EXPECT_EQ(second[2 * 2205], 5000);          // the fade arrived at full gain
  EXPECT_EQ(second[2 * 3999], 5000);
  EXPECT_FALSE(mixer.IsSliding(c));
  EXPECT_EQ(mixer.GetVolume(c), 0.5f);
}

TEST_F(MixerTest, AGainFadeOutStopsTheChannelAndAFreshGainResumesIt) {
  ChannelHandle c = PlayConstant(10000, 44100, true);
  mixer.SetVolume(c, 0.8f);
  mixer.SlideGain(c, 0, 10, true);  // 441 frames, then stopped
  auto out = Render(1000);
  EXPECT_NEAR(out[2 * 220], 4000, 20);
  EXPECT_EQ(out[2 * 441], 0);
  EXPECT_EQ(mixer.GetState(c), ChannelState::Stopped);
  EXPECT_EQ(mixer.GetPosition(c), 441u);
  mixer.SetGain(c, 1);
  mixer.Play(c, false);
  EXPECT_EQ(Render(1)[0], 8000);  // the volume survived the fade
}

TEST_F(MixerTest, AStoppedSlideKeepsThePositionForAResume) {
  // Each frame's value is its own index, so the output tells the position.
  SampleHandle s = mixer.AddSample(MakePcm(20000, [](size_t f) { return f; }, [](size_t f) { return f; }), 1, false);
  ChannelHandle c = mixer.GetChannel(s);
  mixer.Play(c, true);
  Render(1000);
  mixer.SlideVolume(c, 0, 10, true);  // 441 frames, then stopped
  Render(1000);
  EXPECT_EQ(mixer.GetState(c), ChannelState::Stopped);
  EXPECT_EQ(mixer.GetPosition(c), 1441u);
  mixer.SetVolume(c, 1);
  mixer.Play(c, false);
  EXPECT_EQ(Render(1)[0], 1441);
  mixer.Play(c, true);
  EXPECT_EQ(Render(1)[0], 0);
}

TEST_F(MixerTest, PauseAndResumeKeepThePosition) {
  SampleHandle s = mixer.AddSample(MakePcm(5000, [](size_t f) { return f; }, [](size_t) { return 0; }), 1, false);
  ChannelHandle c = mixer.GetChannel(s);
  mixer.Play(c, true);
  Render(300);
  mixer.Pause(c);
  EXPECT_EQ(mixer.GetState(c), ChannelState::Paused);
  for (int16_t v : Render(200)) ASSERT_EQ(v, 0);
  mixer.Play(c, false);
  EXPECT_EQ(Render(2), (std::vector<int16_t>{300, 0, 301, 0}));
}

TEST_F(MixerTest, ASoundStopsAtItsEndAndALoopWrapsAround) {
  SampleHandle once = mixer.AddSample(MakePcm(100, [](size_t f) { return f + 1; }, [](size_t) { return 0; }), 1, false);
  SampleHandle loop = mixer.AddSample(MakePcm(100, [](size_t f) { return 1000 + f; }, [](size_t) { return 0; }), 1, true);
  ChannelHandle a = mixer.GetChannel(once);
  ChannelHandle b = mixer.GetChannel(loop);
  mixer.Play(a, true);
  mixer.Play(b, true);
  auto out = RenderInPieces(250, 64);
  EXPECT_EQ(out[2 * 99], 100 + 1099);
  EXPECT_EQ(out[2 * 100], 1000);      // only the loop, from its start again
  EXPECT_EQ(out[2 * 249], 1049);
  EXPECT_EQ(mixer.GetState(a), ChannelState::Stopped);
  EXPECT_EQ(mixer.GetPosition(a), 0u);  // rewound
  EXPECT_TRUE(mixer.IsPlaying(b));
  mixer.SetLoop(b, false);
  Render(100);
  EXPECT_EQ(mixer.GetState(b), ChannelState::Stopped);
  // A finished channel is still ours and plays again.
  EXPECT_TRUE(mixer.Play(a, true));
  EXPECT_EQ(Render(1)[0], 1);
}

TEST_F(MixerTest, PlaybackLimitTakesOverTheOldestOrRefuses) {
  SampleHandle steal = mixer.AddSample(ConstantPcm(44100, 100), 2, false, PlaybackLimit::StealOldest);
  SampleHandle refuse = mixer.AddSample(ConstantPcm(44100, 100), 2, false, PlaybackLimit::Refuse);
  for (SampleHandle s : {steal, refuse}) {
    ChannelHandle first = mixer.GetChannel(s);
    ChannelHandle second = mixer.GetChannel(s);
    mixer.Play(first, true);
    mixer.Play(second, true);
    ChannelHandle third = mixer.GetChannel(s);
    if (s == steal) {
      ASSERT_NE(third, 0u);
      EXPECT_FALSE(mixer.IsValid(first));  // the oldest was taken over
      EXPECT_TRUE(mixer.IsPlaying(second));
      EXPECT_EQ(mixer.GetState(third), ChannelState::Stopped);
    } else {
      EXPECT_EQ(third, 0u);
      mixer.Stop(first);  // a stopped channel of the sample is reused
      ChannelHandle reused = mixer.GetChannel(s);
      EXPECT_NE(reused, 0u);
      EXPECT_FALSE(mixer.IsValid(first));
    }
  }
  EXPECT_EQ(mixer.PlayingChannels(), 2);
}

TEST_F(MixerTest, StaleHandlesAreHarmless) {
  SampleHandle s = mixer.AddSample(ConstantPcm(1000, 500), 1, false);
  ChannelHandle c = mixer.GetChannel(s);
  mixer.Play(c, true);
  mixer.FreeSample(s);
  SampleHandle other = mixer.AddSample(ConstantPcm(1000, 700), 1, false);  // reuses the slots
  ChannelHandle fresh = mixer.GetChannel(other);
  mixer.Play(fresh, true);
  ASSERT_NE(fresh, c);
  for (ChannelHandle stale : {c, ChannelHandle(0), ChannelHandle(0xFFFFFFFF), ChannelHandle(12345)}) {
    EXPECT_FALSE(mixer.IsValid(stale));
    EXPECT_FALSE(mixer.Play(stale, true));
    mixer.SetVolume(stale, 0);
    mixer.SlideVolume(stale, 0, 10, true);
    mixer.Pause(stale);
    mixer.Stop(stale);
    mixer.SetPan(stale, 1);
    mixer.FreeModule(stale);
    EXPECT_EQ(mixer.GetState(stale), ChannelState::Stopped);
  }
  EXPECT_EQ(mixer.GetChannel(s), 0u);  // stale sample
  mixer.FreeSample(s);
  mixer.StopSample(s);
  EXPECT_EQ(Render(1)[0], 700);  // the new owner was left alone
}

TEST_F(MixerTest, ControlCallsWhileTheDeviceThreadRenders) {
  SampleHandle s = mixer.AddSample(ConstantPcm(2000, 300), 8, true);
  std::atomic<bool> done = false;
  std::thread device([&] {
    std::vector<int16_t> buffer(1024);
    while (!done) mixer.RenderAudio(buffer);
  });
  for (int i = 0; i < 2000; ++i) {
    ChannelHandle c = mixer.GetChannel(s);
    mixer.Play(c, i % 2 == 0);
    mixer.SlideVolume(c, float(i % 10) / 10, uint32_t(i % 7), i % 3 == 0);
    if (i % 5 == 0) mixer.Stop(c);
  }
  done = true;
  device.join();
  EXPECT_LE(mixer.PlayingChannels(), 8);
}

}  // namespace
}  // namespace corvellane
