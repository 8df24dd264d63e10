#include <gtest/gtest.h>

#include "persistence/class_registry.h"
#include "persistence/object_io.h"
#include "persistence/storage.h"
#include "sound/sound_definitions.h"

namespace corvellane {
namespace {

Ref<TSound> LoadSound(std::string_view xml) {
  auto sound = CreateObject<TSound>();
  sound->LoadFrom(OpenStorageText(xml).get());
  return sound;
}

std::string SavedXml(TPersistObject& object) {
  auto root = CreateStorage(object.GetStorageName());
  object.SaveTo(root.get());
  return root->SaveToText();
}

TEST(SoundDefinition, LoadsBoundsAndGroupBehaviour) {
  struct Case {
    const char* xml;
    int start_min, start_max, cycle_min, cycle_max;
    bool loop, stoppable;
  } cases[] = {
      {R"(<sound/>)", 0, 0, 0, 0, false, false},
      {R"(<sound loop="yes"/>)", 0, 0, 0, 0, true, true},
      {R"(<sound loop="yes" stoppable_by_group="no"/>)", 0, 0, 0, 0, true, false},
      {R"(<sound startdelaytime="300" startdelaytime_max="900"/>)", 300, 900, 0, 0, false, false},
      {R"(<sound cycledelaytime="50" cycledelaytime_min="10"/>)", 0, 0, 10, 50, false, false},
      {R"(<sound loop="Yes" startdelaytime="abc"/>)", 0, 0, 0, 0, false, false},
  };
  for (const auto& c : cases) {
    auto sound = LoadSound(c.xml);
    EXPECT_EQ(sound->GetStartDelayMin(), c.start_min) << c.xml;
    EXPECT_EQ(sound->GetStartDelayMax(), c.start_max) << c.xml;
    EXPECT_EQ(sound->GetCycleDelayMin(), c.cycle_min) << c.xml;
    EXPECT_EQ(sound->GetCycleDelayMax(), c.cycle_max) << c.xml;
    EXPECT_EQ(sound->GetLoop(), c.loop) << c.xml;
    EXPECT_EQ(sound->IsStoppableByGroup(), c.stoppable) << c.xml;
  }
  // A share of the resource's volume: above 100 % is 100 %, 0 or less keeps it.
  for (const auto& [xml, volume] : {std::pair{R"(<sound volume="2147483647"/>)", 100},
                                    std::pair{R"(<sound volume="101"/>)", 100}, std::pair{R"(<sound volume="37"/>)", 37},
                                    std::pair{R"(<sound volume="-2147483648"/>)", -2147483647 - 1}}) {
    EXPECT_EQ(LoadSound(xml)->GetVolume(), volume) << xml;
  }
  auto plain = LoadSound(R"(<sound name="s" resourcename="r"/>)");
  EXPECT_EQ(plain->GetVolume(), TSound::kKeepVolume);
  EXPECT_EQ(plain->GetPan(), TSound::kKeepPan);
  EXPECT_EQ(plain->GetResourceName(), "r");
}

TEST(SoundDefinition, SavesOnlyWhatDiffersAndDelaysOnlyForLoops) {
  RegisterSoundClasses();
  struct Case {
    const char* xml;
    const char* saved;
  } cases[] = {
      {R"(<sound name="a" resourcename="r"/>)", R"(<sound name="a" type="Sound" resourcename="r"/>)"},
      {R"(<sound name="a" startdelaytime="300" cycledelaytime="5"/>)",
       R"(<sound name="a" type="Sound" resourcename=""/>)"},
      {R"(<sound name="a" loop="yes" volume="80" pan="-100" mutemusic="yes" startdelaytime="300"/>)",
       R"(<sound name="a" type="Sound" resourcename="" volume="80" pan="-100" mutemusic="yes" loop="yes" startdelaytime="300"/>)"},
      {R"(<sound name="a" loop="yes" startdelaytime="300" startdelaytime_max="900" cycledelaytime="7"/>)",
       R"(<sound name="a" type="Sound" resourcename="" loop="yes" startdelaytime_min="300" startdelaytime_max="900" cycledelaytime="7"/>)"},
  };
  for (const auto& c : cases) {
    auto sound = LoadSound(c.xml);
    EXPECT_EQ(SavedXml(*sound), c.saved) << c.xml;
  }
}

TEST(SoundDefinition, PropertiesByName) {
  auto sound = CreateObject<TSound>();
  sound->SetProperty("startdelaytime", Variant(250));
  EXPECT_EQ(sound->GetStartDelayMin(), 250);
  EXPECT_EQ(sound->GetStartDelayMax(), 250);
  sound->SetProperty("startdelaytime_max", Variant("900"));
  EXPECT_EQ(sound->GetProperty("startdelaytime").ToInt(), 250);
  EXPECT_EQ(sound->GetProperty("startdelaytime_max").ToInt(), 900);
  sound->SetProperty("volume", Variant("loud"));  // does not convert: ignored
  EXPECT_EQ(sound->GetVolume(), TSound::kKeepVolume);
  sound->SetProperty("loop", Variant("yes"));
  EXPECT_TRUE(sound->GetProperty("loop").ToBool());
  sound->SetProperty("name", Variant("sound_x"));
  EXPECT_EQ(sound->GetName(), "sound_x");
  EXPECT_TRUE(sound->GetProperty("unknown").IsNull());
}

TEST(SoundDefinition, CollectionsKeepTheFirstOfANameAndMusicSavesNoType) {
  RegisterSoundClasses();
  auto sounds = CreateObject<TSoundCollection>();
  sounds->LoadFrom(OpenStorageText(R"(<sounds><sound name="click" resourcename="first"/>)"
                                    R"(<sound name="CLICK" resourcename="second"/><sound name="bird"/></sounds>)")
                       .get());
  EXPECT_EQ(sounds->Count(), 2);
  EXPECT_EQ(sounds->GetSound(Variant("click"))->GetResourceName(), "first");
  EXPECT_EQ(sounds->GetSound(Variant(1))->GetName(), "bird");

  auto musics = CreateObject<TMusicCollection>();
  musics->LoadFrom(OpenStorageText(R"(<musics><music name="music_main" resourcename="theme"/></musics>)").get());
  ASSERT_TRUE(musics->GetMusic(Variant("music_main")));
  auto music = QueryInterface<TMusic>(musics->GetItem(Variant(0)));
  EXPECT_EQ(SavedXml(*music), R"(<music name="music_main" resourcename="theme"/>)");
  EXPECT_TRUE(QueryInterface<ISound>(CreateByType("Sound")));
  EXPECT_TRUE(QueryInterface<IMusic>(CreateByType("music")));
}

}  // namespace
}  // namespace corvellane
