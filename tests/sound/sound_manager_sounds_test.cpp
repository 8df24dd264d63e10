#include <gtest/gtest.h>

#include <set>

#include "engine/sound_resources.h"
#include "tests/sound/sound_test_rig.h"

namespace corvellane {
namespace {

using testing::SoundRig;

class SoundsTest : public ::testing::Test {
 protected:
  SoundsTest() {
    rig.DefineResources(R"(
      <resource name="res_beep" type="SoundResource" file="beep_100" maxplaybacks="4"/>
      <resource name="res_long" type="SoundResource" file="beep_1000" maxplaybacks="4" master_volume="80"/>
      <resource name="res_steps" type="SoundGroupResource">
        <resources>
          <resource name="res_step1" type="SoundResource" file="beep_1000"/>
          <resource name="res_step2" type="SoundResource" file="beep_1000"/>
        </resources>
      </resource>)");
    rig.DefineSounds(R"(
      <sound name="sound_beep" resourcename="res_beep"/>
      <sound name="sound_long" resourcename="res_long"/>
      <sound name="sound_late" resourcename="res_long" startdelaytime="500"/>
      <sound name="sound_loop" resourcename="res_long" loop="yes"/>
      <sound name="sound_late_loop" resourcename="res_beep" loop="yes" startdelaytime="300"/>
      <sound name="sound_chirps" resourcename="res_beep" loop="yes" cycledelaytime_min="1000" cycledelaytime_max="3000"/>
      <sound name="sound_soft_left" resourcename="res_long" volume="50" pan="-100"/>
      <sound name="sound_steps" resourcename="res_steps"/>
      <sound name="sound_missing" resourcename="res_none"/>)");
  }
  ChannelHandle Play(std::string_view sound) { return rig.manager->PlaySound(rig.Sound(sound).get()); }

  SoundRig rig;
};

TEST(SoundManagerOff, EveryOperationIsSilentWithoutInitialisation) {
  SoundRig rig;
  rig.DefineResources(R"(<resource name="res_beep" type="SoundResource" file="beep_100"/>)");
  rig.DefineSounds(R"(<sound name="sound_beep" resourcename="res_beep"/>)");
  Ref<ISoundManager> off = CreateSoundManager();
  EXPECT_FALSE(off->IsInitialised());
  EXPECT_FALSE(off->Initialise(nullptr, &rig.mixer));
  EXPECT_FALSE(off->Initialise(rig.resources.get(), nullptr));
  EXPECT_EQ(off->PlaySound(rig.Sound("sound_beep").get()), 0u);
  EXPECT_EQ(off->PlayMusic(rig.Music("res_beep").get()), 0u);
  off->Update(10);
  off->StopAllSounds();
  EXPECT_EQ(rig.mixer.PlayingChannels(), 0);

  // Shutdown stops what plays and turns the manager off.
  ASSERT_NE(rig.manager->PlaySound(rig.Sound("sound_beep").get()), 0u);
  rig.manager->Shutdown();
  EXPECT_EQ(rig.mixer.PlayingChannels(), 0);
  EXPECT_FALSE(rig.manager->IsInitialised());
  EXPECT_EQ(rig.manager->PlaySound(rig.Sound("sound_beep").get()), 0u);
}

TEST_F(SoundsTest, MissingResourcesAndWrongDefinitionsPlayNothing) {
  EXPECT_EQ(Play("sound_missing"), 0u);
  EXPECT_EQ(rig.manager->PlaySound(nullptr), 0u);
  EXPECT_EQ(rig.manager->PlaySound(rig.Music("res_beep").get()), 0u);
  EXPECT_EQ(rig.manager->SoundObjects().Count(), 0);
}

TEST_F(SoundsTest, ASoundPlaysAtOnceAndLeavesWhenItEnds) {
  ChannelHandle c = Play("sound_beep");
  ASSERT_NE(c, 0u);
  EXPECT_TRUE(rig.manager->IsChannelPlaying(c));
  auto out = rig.Run(200);
  EXPECT_EQ(SoundRig::Right(out, 0), 8000);
  EXPECT_EQ(SoundRig::Right(out, 150), 0);
  EXPECT_FALSE(rig.manager->IsChannelPlaying(c));
  EXPECT_EQ(rig.manager->SoundObjects().Count(), 0);
}

TEST_F(SoundsTest, AStartDelayWaitsForTheUpdatesToSumUp) {
  ChannelHandle c = Play("sound_late");
  ASSERT_NE(c, 0u);
  EXPECT_TRUE(rig.manager->IsChannelPlaying(c));  // waiting counts as in flight
  auto out = rig.Run(600);
  // The update at 490 ms brings the sum to 500: the block after it sounds.
  EXPECT_EQ(SoundRig::Right(out, 485), 0);
  EXPECT_EQ(SoundRig::Right(out, 495), 6400);  // 80 % master volume
}

TEST_F(SoundsTest, ALoopWithAStartDelayAndNoPauseStartsAndLoopsInTheMixer) {
  ChannelHandle c = Play("sound_late_loop");
  auto out = rig.Run(1000);
  EXPECT_EQ(SoundRig::Right(out, 285), 0);
  for (int32_t t : {295, 400, 600, 990}) EXPECT_EQ(SoundRig::Right(out, t), 8000) << t;  // 100 ms sound, no gaps
  EXPECT_TRUE(rig.manager->IsChannelPlaying(c));
  rig.manager->StopSound(rig.Sound("sound_late_loop").get());
  EXPECT_FALSE(rig.manager->IsChannelPlaying(c));
  EXPECT_EQ(rig.mixer.PlayingChannels(), 0);
}

TEST_F(SoundsTest, ALoopWithARepeatDelayPausesForADrawnTimeInItsRange) {
  ChannelHandle c = Play("sound_chirps");
  auto out = rig.Run(40000);
  // Silences between the 100 ms chirps, measured on the 10 ms frames.
  std::vector<int32_t> pauses;
  int32_t silent_since = -1;
  for (int32_t t = 0; t < 40000; t += 10) {
    const bool sounding = SoundRig::Right(out, t) != 0;
    if (!sounding && silent_since < 0) silent_since = t;
    if (sounding && silent_since >= 0) {
      pauses.push_back(t - silent_since);
      silent_since = -1;
    }
  }
  ASSERT_GE(pauses.size(), 10u);
  for (int32_t pause : pauses) {
    EXPECT_GE(pause, 1000);
    EXPECT_LE(pause, 3000 + 20);  // the end is seen on the next update
  }
  EXPECT_GT(std::set<int32_t>(pauses.begin(), pauses.end()).size(), 3u);  // drawn, not fixed
  EXPECT_TRUE(rig.manager->IsChannelPlaying(c));
}

TEST(SoundDelay, IsDrawnWithinItsBoundsAndNeverFromAReversedRange) {
  GlobalRandom().Seed(7);
  struct Case {
    DelayRange bounds;
    int32_t low, high;
  } cases[] = {
      {{0, 0}, 0, 0}, {{300, 300}, 300, 300}, {{800, 200}, 800, 800}, {{100, 200}, 100, 199}, {{-50, -100}, -50, -50},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 50; ++i) {
      const int32_t delay = DrawDelay(c.bounds);
      EXPECT_GE(delay, c.low) << c.bounds.min << ".." << c.bounds.max;
      EXPECT_LE(delay, c.high) << c.bounds.min << ".." << c.bounds.max;
    }
  }
}

TEST_F(SoundsTest, GroupsAreStoppedPausedAndResumedByTheirScreen) {
  std::string screen = "GS_Map";
  rig.manager->SetGroupSource([&] { return screen; });
  ChannelHandle map_loop = Play("sound_loop");  // loops: stoppable by group
  ChannelHandle map_once = Play("sound_long");  // plain: not stoppable by group
  screen = "GS_Play";
  ChannelHandle play_loop = Play("sound_loop");
  rig.Run(100);

  rig.manager->StopGroup("");
  EXPECT_EQ(rig.manager->SoundObjects().Count(), 3);
  rig.manager->StopGroup("GS_Map");
  EXPECT_FALSE(rig.manager->IsChannelPlaying(map_loop));
  EXPECT_EQ(rig.mixer.GetState(map_loop), ChannelState::Stopped);
  EXPECT_TRUE(rig.manager->IsChannelPlaying(map_once));
  EXPECT_TRUE(rig.mixer.IsPlaying(play_loop));

  rig.manager->PauseGroup("gs_play");  // names compare without letter case
  EXPECT_EQ(rig.mixer.GetState(play_loop), ChannelState::Paused);
  const uint64_t position = rig.mixer.GetPosition(play_loop);
  rig.Run(200);
  EXPECT_EQ(rig.mixer.GetPosition(play_loop), position);
  EXPECT_TRUE(rig.manager->IsChannelPlaying(play_loop));  // paused, not gone
  rig.manager->ResumeGroup("GS_Play");
  EXPECT_TRUE(rig.mixer.IsPlaying(play_loop));
  EXPECT_EQ(rig.mixer.GetPosition(play_loop), position);  // not restarted
}

TEST_F(SoundsTest, StopAllSoundsStopsEveryMemberOfASoundGroup) {
  ASSERT_NE(Play("sound_steps"), 0u);
  // Playbacks of both members that the manager did not start itself.
  auto* steps = dynamic_cast<TSoundGroupResource*>(rig.resources->GetResource(Variant("res_steps")).get());
  ASSERT_NE(steps, nullptr);
  for (int i = 0; i < steps->Members().Count(); ++i) {
    auto member = QueryInterface<ISoundResource>(steps->Members().GetResource(Variant(int32_t(i))));
    rig.mixer.Play(rig.mixer.GetChannel(member->GetHandle()), true);
  }
  Play("sound_long");
  ASSERT_GE(rig.mixer.PlayingChannels(), 3);
  rig.manager->StopAllSounds();
  EXPECT_EQ(rig.mixer.PlayingChannels(), 0);
  EXPECT_EQ(rig.manager->SoundObjects().Count(), 0);
}

TEST_F(SoundsTest, StopSoundStopsEveryPlaybackOfItsResource) {
  ChannelHandle first = Play("sound_long");
  ChannelHandle second = Play("sound_long");
  ChannelHandle other = Play("sound_beep");
  ASSERT_NE(first, second);
  rig.manager->StopSound(rig.Sound("sound_long").get());
  EXPECT_FALSE(rig.manager->IsChannelPlaying(first));
  EXPECT_FALSE(rig.manager->IsChannelPlaying(second));
  EXPECT_TRUE(rig.manager->IsChannelPlaying(other));
}

TEST_F(SoundsTest, VolumesAreClampedAndAppliedLive) {
  struct Case {
    Variant value;
    int32_t stored;
  } cases[] = {{Variant("150"), 100}, {Variant("-20"), 0}, {Variant("55"), 55}, {Variant("abc"), 55},
               {Variant(40), 40},     {Variant(""), 40},   {Variant(1000), 100}};
  for (const auto& c : cases) {
    rig.manager->SetSoundVolume(c.value);
    rig.manager->SetMusicVolume(c.value);
    EXPECT_EQ(rig.manager->GetSoundVolume(), c.stored) << c.value.ToText();
    EXPECT_EQ(rig.manager->GetMusicVolume(), c.stored) << c.value.ToText();
  }

  // Definition 50 % of a resource at 80 %: 40 %, then the global sound volume.
  rig.manager->SetSoundVolume(50);
  Play("sound_soft_left");
  auto half = rig.Run(10);
  EXPECT_EQ(SoundRig::Left(half, 0), 1600);
  EXPECT_EQ(SoundRig::Right(half, 0), 0);  // panned hard left
  rig.manager->SetSoundVolume(100);
  EXPECT_EQ(SoundRig::Left(rig.Run(10), 0), 3200);
}

TEST_F(SoundsTest, ADefinitionsVolumeAboveAHundredPlaysAtTheResourcesFullVolume) {
  rig.DefineSounds(R"(
    <sound name="sound_full" resourcename="res_long" volume="100"/>
    <sound name="sound_150" resourcename="res_long" volume="150"/>
    <sound name="sound_huge" resourcename="res_long" volume="2147483647"/>)");
  rig.manager->SetSoundVolume(100);
  for (const char* name : {"sound_full", "sound_150", "sound_huge"}) {
    SCOPED_TRACE(name);
    rig.manager->StopAllSounds();
    ASSERT_NE(Play(name), 0u);
    // The resource's master volume is 80 %.
    EXPECT_EQ(SoundRig::Left(rig.Run(10), 0), 6400);
  }
}

TEST_F(SoundsTest, OutputRunsOnlyWhileEnabledAndTheProgramIsActive) {
  Play("sound_loop");
  EXPECT_EQ(SoundRig::Right(rig.Run(10), 0), 6400);
  rig.manager->SetEnabled(false);
  EXPECT_FALSE(rig.manager->IsEnabled());
  EXPECT_EQ(SoundRig::Right(rig.Run(10), 0), 0);
  rig.manager->SetAppActive(false);
  rig.manager->SetEnabled(true);
  EXPECT_EQ(SoundRig::Right(rig.Run(10), 0), 0);
  rig.manager->SetAppActive(true);
  EXPECT_EQ(SoundRig::Right(rig.Run(10), 0), 6400);
}

}  // namespace
}  // namespace corvellane
