// Sounds, music and random groups loaded through the resource owner.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/random_source.h"
#include "engine/sound_resources.h"
#include "tests/engine/fake_resource_owner.h"
#include "tests/support/temp_dir.h"

namespace corvellane {
namespace {

class SoundResourceTest : public ::testing::Test {
 protected:
  Ref<IResource> Define(std::string_view type, std::string_view name, std::string_view attributes,
                        std::string_view children = "") {
    return owner_->Define("<resource type=\"" + std::string(type) + "\" name=\"" + std::string(name) + "\" " +
                          std::string(attributes) + ">" + std::string(children) + "</resource>");
  }
  std::string FileAttr(std::string_view file) { return "file=\"" + dir_.File(file) + "\""; }
  std::string Member(std::string_view type, std::string_view name, std::string_view file) {
    return "<resource type=\"" + std::string(type) + "\" name=\"" + std::string(name) + "\" " + FileAttr(file) +
           "/>";
  }

  void TearDown() override {
    owner_->Resources().RemoveOwner("");
    EXPECT_TRUE(owner_->live_samples.empty());
    EXPECT_TRUE(owner_->live_modules.empty());
    EXPECT_TRUE(owner_->double_frees.empty());
  }

  testing::TempDir dir_;
  Ref<testing::FakeResourceOwner> owner_ = MakeRef<testing::FakeResourceOwner>();
};

TEST_F(SoundResourceTest, SampleLoadsAtAttachAndUnloadFreesItUntilNextUse) {
  dir_.Write("click.wav", "bytes");
  auto sound = QueryInterface<ISoundResource>(Define("SoundResource", "click", FileAttr("click.wav") +
                                                                                   " master_volume=\"150\""));
  ASSERT_TRUE(sound);
  EXPECT_EQ(owner_->live_samples.size(), 1u);
  EXPECT_EQ(owner_->last_max_playbacks, 1);  // 0 means one playback
  EXPECT_FALSE(owner_->last_loop);
  EXPECT_EQ(sound->GetMasterVolume(), 100);
  const uint32_t first = sound->GetHandle();
  EXPECT_NE(first, 0u);

  sound->Unload();
  EXPECT_TRUE(owner_->live_samples.empty());
  EXPECT_NE(sound->GetHandle(), 0u);  // reloaded on use
  EXPECT_EQ(owner_->live_samples.size(), 1u);

  auto limited = QueryInterface<ISoundResource>(
      Define("SoundResource", "limited", FileAttr("click.wav") + " maxplaybacks=\"4\" loadbydemand=\"yes\""));
  EXPECT_EQ(owner_->live_samples.size(), 1u);
  EXPECT_NE(limited->GetHandle(), 0u);
  EXPECT_EQ(owner_->last_max_playbacks, 4);

  auto missing = QueryInterface<ISoundResource>(Define("SoundResource", "missing", FileAttr("none.wav")));
  EXPECT_EQ(missing->GetHandle(), 0u);
}

TEST_F(SoundResourceTest, MusicLoadsAModuleOrALoopingSampleWhoseChannelIsTheHandle) {
  dir_.Write("theme.mo3", "module");
  dir_.Write("theme.ogg", "vorbis");
  auto module = QueryInterface<IMusicResource>(Define("MusicResource", "m", FileAttr("theme.mo3")));
  auto ogg = QueryInterface<IMusicResource>(Define("MusicResource", "o", FileAttr("theme.ogg") + " format=\"ogg\""));
  ASSERT_TRUE(module && ogg);
  EXPECT_EQ(module->GetMusicFormat(), TMusicFormat::kMo3);
  EXPECT_EQ(ogg->GetMusicFormat(), TMusicFormat::kOgg);
  EXPECT_EQ(owner_->live_modules.count(module->GetHandle()), 1u);
  ASSERT_EQ(owner_->live_samples.size(), 1u);
  EXPECT_EQ(ogg->GetHandle(), *owner_->live_samples.begin() + 1000);  // the fake's channel numbering

  owner_->Resources().UnloadOwner("test");
  EXPECT_TRUE(owner_->live_modules.empty());
  EXPECT_TRUE(owner_->live_samples.empty());
  EXPECT_TRUE(ogg->IsLoadPending());
}

TEST_F(SoundResourceTest, GroupsAnswerFromARandomMemberPickedUniformly) {
  for (const char* f : {"a.wav", "b.wav", "c.wav"}) dir_.Write(f, "bytes");
  auto group = QueryInterface<ISoundResource>(
      Define("SoundGroupResource", "steps", "",
             "<resources>" + Member("SoundResource", "a", "a.wav") + Member("SoundResource", "b", "b.wav") +
                 Member("SoundResource", "c", "c.wav") + "</resources>"));
  ASSERT_TRUE(group);
  EXPECT_EQ(owner_->live_samples.size(), 3u);
  EXPECT_EQ(group->GetHandle(), 0u);  // nothing picked yet
  EXPECT_EQ(group->GetMasterVolume(), 100);

  GlobalRandom().Seed(7);
  std::map<uint32_t, int> picks;
  std::vector<uint32_t> sequence;
  for (int i = 0; i < 3000; ++i) {
    group->PickNext();
    sequence.push_back(group->GetHandle());
    ++picks[group->GetHandle()];
  }
  ASSERT_EQ(picks.size(), 3u);
  for (const auto& [handle, count] : picks) {
    EXPECT_EQ(owner_->live_samples.count(handle), 1u);
    EXPECT_NEAR(count, 1000, 120) << handle;
  }
  GlobalRandom().Seed(7);
  for (uint32_t expected : sequence) {
    group->PickNext();
    ASSERT_EQ(group->GetHandle(), expected);
  }

  group->Unload();
  EXPECT_TRUE(owner_->live_samples.empty());
  EXPECT_NE(group->GetHandle(), 0u);  // the current member reloads on use
}

TEST_F(SoundResourceTest, MusicGroupBeforeAnyPickAnswersOgg) {
  dir_.Write("a.mo3", "module");
  auto group = QueryInterface<IMusicResource>(
      Define("MusicGroupResource", "tunes", "", "<resources>" + Member("MusicResource", "a", "a.mo3") + "</resources>"));
  ASSERT_TRUE(group);
  EXPECT_EQ(group->GetMusicFormat(), TMusicFormat::kOgg);
  EXPECT_EQ(group->GetHandle(), 0u);
  group->PickNext();
  EXPECT_EQ(group->GetMusicFormat(), TMusicFormat::kMo3);
  EXPECT_EQ(owner_->live_modules.count(group->GetHandle()), 1u);

  auto empty = QueryInterface<IMusicResource>(Define("MusicGroupResource", "none", ""));
  empty->PickNext();
  EXPECT_EQ(empty->GetHandle(), 0u);
}

}  // namespace
}  // namespace corvellane
