#include <gtest/gtest.h>

#include "tests/sound/sound_test_rig.h"

namespace corvellane {
namespace {

using testing::SoundRig;

class MusicTest : public ::testing::Test {
 protected:
  MusicTest() {
    rig.DefineResources(R"(
      <resource name="music_a" type="MusicResource" file="music_left" format="ogg"/>
      <resource name="music_b" type="MusicResource" file="music_right" format="ogg"/>
      <resource name="res_hush" type="SoundResource" file="quiet_1000" maxplaybacks="4"/>)");
    rig.DefineSounds(R"(<sound name="sound_hush" resourcename="res_hush" mutemusic="yes"/>)");
  }
  ChannelHandle Play(std::string_view resource) { return rig.manager->PlayMusic(rig.Music(resource).get()); }
  void Stop(std::string_view resource) { rig.manager->StopMusic(rig.Music(resource).get()); }
  size_t StackDepth() const { return rig.manager->MusicStack().Entries().size(); }
  // Plays music_a and lets its fade-in finish.
  ChannelHandle PlayASteady() {
    ChannelHandle a = Play("music_a");
    rig.Run(2000);
    return a;
  }

  SoundRig rig;
};

// The fade gain rises (or falls) linearly over t ms from 0 at the start.
int16_t Rising(int32_t t, int32_t over, int16_t full = 10000) { return int16_t(full * t / over); }

TEST_F(MusicTest, ANewMusicCrossFadesAndStoppingItBringsTheOneBelowBack) {
  ChannelHandle a = Play("music_a");
  ASSERT_NE(a, 0u);
  auto fade_in = rig.Run(2100);
  for (int32_t t : {0, 500, 1000, 1500, 1990}) EXPECT_NEAR(SoundRig::Left(fade_in, t), Rising(t, 2000), 10) << t;
  EXPECT_EQ(SoundRig::Left(fade_in, 2050), 10000);

  ChannelHandle b = Play("music_b");
  ASSERT_NE(b, 0u);
  auto cross = rig.Run(2100);
  for (int32_t t : {0, 500, 1000, 1500}) {
    EXPECT_NEAR(SoundRig::Left(cross, t), 10000 - Rising(t, 2000), 10) << t;
    EXPECT_NEAR(SoundRig::Right(cross, t), Rising(t, 2000), 10) << t;
  }
  EXPECT_EQ(SoundRig::Left(cross, 2050), 0);
  EXPECT_EQ(SoundRig::Right(cross, 2050), 10000);
  EXPECT_EQ(rig.mixer.GetState(a), ChannelState::Stopped);  // faded out, then stopped
  EXPECT_EQ(StackDepth(), 2u);

  const uint64_t a_position = rig.mixer.GetPosition(a);
  ASSERT_NE(a_position, 0u);
  Stop("music_b");
  EXPECT_EQ(rig.mixer.GetPosition(a), a_position);  // resumed where it stopped, not restarted
  auto back = rig.Run(2100);
  for (int32_t t : {0, 500, 1000, 1500}) {
    EXPECT_NEAR(SoundRig::Left(back, t), Rising(t, 2000), 10) << t;
    EXPECT_NEAR(SoundRig::Right(back, t), 10000 - Rising(t, 2000), 10) << t;
  }
  EXPECT_EQ(SoundRig::Left(back, 2050), 10000);
  EXPECT_EQ(SoundRig::Right(back, 2050), 0);
  EXPECT_EQ(rig.mixer.GetState(b), ChannelState::Stopped);
  EXPECT_EQ(StackDepth(), 1u);
}

TEST_F(MusicTest, AVolumeChangeDuringAFadeNeitherJumpsNorIsLost) {
  Play("music_a");
  auto first = rig.Run(1000);
  EXPECT_NEAR(SoundRig::Left(first, 990), 4950, 10);
  rig.manager->SetMusicVolume("50");
  auto second = rig.Run(1100);
  EXPECT_NEAR(SoundRig::Left(second, 0), 2500, 10);     // half the volume at half the gain
  EXPECT_NEAR(SoundRig::Left(second, 500), 3750, 10);   // the fade goes on
  EXPECT_EQ(SoundRig::Left(second, 1050), 5000);        // and ends at the new volume
  rig.manager->SetMusicVolume(80);
  EXPECT_EQ(SoundRig::Left(rig.Run(10), 0), 8000);      // applied at once
}

TEST_F(MusicTest, MuteMusicSoundsLowerTheMusicUntilTheLastOfThemEnded) {
  PlayASteady();
  ASSERT_NE(rig.manager->PlaySound(rig.Sound("sound_hush").get()), 0u);  // 1 s long
  auto first = rig.Run(500);
  EXPECT_NEAR(SoundRig::Left(first, 0), 10000, 10);
  EXPECT_NEAR(SoundRig::Left(first, 175), 5000, 10);  // down over 350 ms
  EXPECT_EQ(SoundRig::Left(first, 360), 0);
  rig.manager->PlaySound(rig.Sound("sound_hush").get());  // a second one, ending 500 ms later
  auto second = rig.Run(1600);
  EXPECT_EQ(SoundRig::Left(second, 700), 0);  // the first ended; the second still plays
  // The second ended during the block at 990 ms; the next update raises the
  // music over 500 ms.
  EXPECT_EQ(SoundRig::Left(second, 990), 0);
  EXPECT_NEAR(SoundRig::Left(second, 1000 + 250), 5000, 10);
  EXPECT_EQ(SoundRig::Left(second, 1550), 10000);
}

TEST_F(MusicTest, MusicStartedOrResumedWhileLoweredStaysDownUntilTheSoundEnds) {
  PlayASteady();
  rig.manager->PlaySound(rig.Sound("sound_hush").get());  // 1 s long
  rig.Run(400);
  Play("music_b");
  auto over = rig.Run(1200);
  EXPECT_EQ(SoundRig::Right(over, 300), 0);
  EXPECT_EQ(SoundRig::Right(over, 590), 0);
  EXPECT_NEAR(SoundRig::Right(over, 600 + 250), 5000, 10);  // raised with the end of the sound

  rig.manager->PlaySound(rig.Sound("sound_hush").get());
  Stop("music_b");
  auto back = rig.Run(1600);
  EXPECT_EQ(SoundRig::Left(back, 500), 0);  // music_a comes back only with the end of the sound
  EXPECT_NEAR(SoundRig::Left(back, 1000 + 250), 5000, 10);
}

TEST_F(MusicTest, ExplicitFadeTimesAndZeroPauseAndResume) {
  ChannelHandle a = PlayASteady();
  rig.manager->FadeMusicDown(1000);
  EXPECT_NEAR(SoundRig::Left(rig.Run(1100), 500), 5000, 10);
  rig.manager->FadeMusicUp(0);  // at once
  EXPECT_EQ(SoundRig::Left(rig.Run(10), 0), 10000);
  rig.manager->FadeMusicDown(0);
  EXPECT_EQ(rig.mixer.GetState(a), ChannelState::Paused);
  const uint64_t position = rig.mixer.GetPosition(a);
  EXPECT_EQ(SoundRig::Left(rig.Run(100), 50), 0);
  rig.manager->FadeMusicUp(200);  // also resumes the paused music, at the gain it had
  EXPECT_EQ(rig.mixer.GetPosition(a), position);
  EXPECT_EQ(SoundRig::Left(rig.Run(300), 100), 10000);
}

TEST_F(MusicTest, TheStackHoldsEachMusicOnceAndNoMoreThanItsDepth) {
  ChannelHandle a = Play("music_a");
  rig.Run(300);
  EXPECT_EQ(Play("music_a"), a);  // already on top: no duplicate, no restart
  EXPECT_EQ(StackDepth(), 1u);
  EXPECT_NE(rig.mixer.GetPosition(a), 0u);

  Play("music_b");
  Play("music_a");  // moves to the top
  ASSERT_EQ(StackDepth(), 2u);
  EXPECT_EQ(rig.manager->MusicStack().Top()->resource_name, "music_a");

  Stop("music_b");  // not on top: ignored
  EXPECT_EQ(StackDepth(), 2u);

  for (int i = 0; i < 12; ++i) {
    const std::string name = "music_" + std::to_string(i);
    rig.DefineResources(R"(<resource name=")" + name + R"(" type="MusicResource" file="music_left" format="ogg"/>)");
    Play(name);
  }
  EXPECT_EQ(StackDepth(), TMusicStack::kMaxDepth);
  EXPECT_EQ(rig.manager->MusicStack().Top()->resource_name, "music_11");
}

TEST_F(MusicTest, MusicWhoseResourceWasUnloadedIsNeverResumed) {
  PlayASteady();
  Play("music_b");
  rig.Run(2100);
  rig.resources->GetResource(Variant("music_a"))->Unload();
  Stop("music_b");
  EXPECT_EQ(StackDepth(), 0u);
  auto out = rig.Run(2100);
  for (int32_t t = 0; t < 2100; t += 10) ASSERT_EQ(SoundRig::Left(out, t), 0) << t;
  EXPECT_EQ(SoundRig::Right(out, 2050), 0);

  ASSERT_NE(Play("music_a"), 0u);  // loads again on demand
  EXPECT_NEAR(SoundRig::Left(rig.Run(1100), 1000), 5000, 10);
}

TEST_F(MusicTest, MissingOrWrongDefinitionsPlayNothing) {
  EXPECT_EQ(Play("no_such_music"), 0u);
  EXPECT_EQ(Play("res_hush"), 0u);  // a sound, not a music
  EXPECT_EQ(rig.manager->PlayMusic(nullptr), 0u);
  EXPECT_EQ(rig.manager->PlayMusic(rig.Sound("sound_hush").get()), 0u);
  EXPECT_EQ(StackDepth(), 0u);
}

}  // namespace
}  // namespace corvellane
