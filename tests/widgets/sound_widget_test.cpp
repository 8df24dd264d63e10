// Sound widgets: the sound plays on the first advance, again after a
// restart or unpausing, stops when paused; the loaded loop and delays go
// into the sound definition found by name, also one of the screen's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "tests/widgets/group_fixture.h"
#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/sound_widget.h"

namespace corvellane::testing {
namespace {

// The engine with its sound pass-through replaced by a log of the calls.
class TSoundLogEngine : public TEngine {
 public:
  using TEngine::TEngine;
  std::vector<std::string> log;

  ChannelHandle PlaySoundSample(IObject* sound) override {
    log.push_back("play " + dynamic_cast<ISound&>(*sound).GetName());
    return 7;
  }
  void StopSoundByName(IObject* sound) override { log.push_back("stop " + dynamic_cast<ISound&>(*sound).GetName()); }
};

class SoundWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSoundClasses();
    RegisterContainerTestClasses();
    engine_->Init();
    screen_->SetEngine(engine_.get());
    auto birds = CreateObject<TSound>();
    birds->SetName("sound_birds");
    screen_->Sounds().AddItem(birds);
  }
  void TearDown() override { screen_->DetachRoot(); }

  Ref<TSoundWidget> Attach(std::string_view attributes, std::string_view children = {}) {
    Ref<IWidget> widget = WidgetFromXml(R"(<widget type="sound_widget" )" + std::string(attributes) + ">" +
                                        std::string(children) + "</widget>");
    screen_->SetRoot(widget);
    return QueryInterface<TSoundWidget>(widget);
  }
  Ref<ISound> Birds() { return screen_->Sounds().GetSound(Variant("sound_birds")); }
  using Log = std::vector<std::string>;

  THeadlessPlatform platform_{HeadlessOptions{}};
  Ref<TSoundLogEngine> engine_ = MakeRef<TSoundLogEngine>(platform_);
  Ref<TTestScreen> screen_ = MakeRef<TTestScreen>();
};

TEST_F(SoundWidgetTest, PlaysOnceAndAgainAfterARestart) {
  auto widget = Attach(R"(resourcename="sound_birds")");
  ASSERT_TRUE(widget);
  EXPECT_TRUE(engine_->log.empty());
  widget->Update(16);
  widget->Update(16);
  EXPECT_EQ(engine_->log, Log{"play sound_birds"});
  EXPECT_EQ(widget->GetPlayingPhase(), TSoundWidgetPhase::Started);
  widget->Restart();
  widget->Update(16);
  EXPECT_EQ(engine_->log, (Log{"play sound_birds", "play sound_birds"}));
}

TEST_F(SoundWidgetTest, PausingStopsAndUnpausingPlaysFromTheStart) {
  auto widget = Attach(R"(resourcename="sound_birds")");
  widget->Update(16);
  widget->SetProperty("paused", true);
  EXPECT_EQ(widget->GetPlayingPhase(), TSoundWidgetPhase::Stopped);
  widget->Update(16);
  widget->SetProperty("paused", true);  // already paused: nothing more
  widget->SetProperty("paused", false);
  widget->Update(16);
  EXPECT_EQ(engine_->log, (Log{"play sound_birds", "stop sound_birds", "play sound_birds"}));
}

TEST_F(SoundWidgetTest, AWidgetLoadedPausedWaitsUntilUnpaused) {
  auto widget = Attach(R"(resourcename="sound_birds" paused="yes")");
  widget->Update(16);
  EXPECT_TRUE(engine_->log.empty());
  widget->SetPaused(false);
  widget->Update(16);
  EXPECT_EQ(engine_->log, Log{"play sound_birds"});
}

TEST_F(SoundWidgetTest, LoadedSettingsGoIntoTheScreensSoundOnAttaching) {
  Attach(R"(resourcename="sound_birds" loop="yes" startdelaytime="300" cycledelaytime="900")");
  Ref<ISound> birds = Birds();
  EXPECT_TRUE(birds->GetLoop());
  EXPECT_EQ(birds->GetStartDelayMin(), 300);
  EXPECT_EQ(birds->GetStartDelayMax(), 300);
  EXPECT_EQ(birds->GetCycleDelayMin(), 900);
  EXPECT_EQ(birds->GetCycleDelayMax(), 900);
}

TEST_F(SoundWidgetTest, LoadedSettingsGoIntoItsOwnSoundAtOnce) {
  auto widget = LoadWidget<TSoundWidget>(
      R"(<widget resourcename="sound_own" startdelaytime="40"><sounds><sound name="sound_own" resourcename="r"
          startdelaytime="5" cycledelaytime="6"/></sounds></widget>)");
  Ref<ISound> own = widget->FindSound("sound_own");
  ASSERT_TRUE(own);
  EXPECT_FALSE(own->GetLoop());
  EXPECT_EQ(own->GetStartDelayMin(), 40);
  EXPECT_EQ(own->GetCycleDelayMax(), 6);  // zero in the widget: left alone
}

TEST_F(SoundWidgetTest, DelayPropertiesAreTheSoundDefinitions) {
  auto widget = Attach(R"(resourcename="sound_birds")");
  widget->SetProperty("startdelaytime", 250);
  widget->SetProperty("cycledelaytime", "1200");
  EXPECT_EQ(Birds()->GetStartDelayMin(), 250);
  EXPECT_EQ(Birds()->GetStartDelayMax(), 250);
  EXPECT_EQ(Birds()->GetCycleDelayMax(), 1200);
  Birds()->SetStartDelayMin(100);
  EXPECT_EQ(widget->GetProperty("startdelaytime").ToInt(), 100);
  EXPECT_EQ(widget->GetProperty("cycledelaytime").ToInt(), 1200);

  auto silent = Attach(R"(resourcename="sound_none")");
  silent->SetProperty("startdelaytime", 5);
  EXPECT_EQ(silent->GetProperty("startdelaytime").ToInt(), 0);
  silent->Update(16);
  EXPECT_TRUE(engine_->log.empty());
}

TEST_F(SoundWidgetTest, SavesOnlyTheSoundName) {
  auto widget = LoadWidget<TSoundWidget>(R"(<widget resourcename="sound_birds" loop="yes" startdelaytime="3"/>)");
  const std::string xml = SavedXml(*widget);
  EXPECT_NE(xml.find(R"(resourcename="sound_birds")"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("loop"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("delaytime"), std::string::npos) << xml;
}

}  // namespace
}  // namespace corvellane::testing
