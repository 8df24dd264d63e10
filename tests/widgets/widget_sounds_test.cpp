// Per-widget sounds: found up the owner chain, played through the engine,
// with settings overridden for one play.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/platform/headless_platform.h"
#include "tests/widgets/test_screen.h"
#include "tests/widgets/test_widgets.h"
#include "widgets/visual_group_widget.h"

namespace corvellane::testing {
namespace {

// The engine with its sound forwarding replaced by a record of what it was given.
class TRecordingEngine : public TEngine {
 public:
  using TEngine::TEngine;
  struct Played {
    std::string name;
    int32_t volume;
    int32_t pan;
  };
  std::vector<Played> played;
  std::vector<std::string> stopped;

  ChannelHandle PlaySoundSample(IObject* sound) override {
    auto* s = dynamic_cast<ISound*>(sound);
    played.push_back({s->GetName(), s->GetVolume(), s->GetPan()});
    return 42;
  }
  void StopSoundByName(IObject* sound) override { stopped.push_back(dynamic_cast<ISound*>(sound)->GetName()); }
};

constexpr const char* kSounds = R"(<sounds><sound name="sound_click" resourcename="res_click" volume="80" pan="10"/></sounds>)";

class WidgetSoundsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_->Init();
    group_ = LoadWidget<TVisualGroupWidget>(std::string(R"(<widget name="panel">)") + kSounds + "</widget>");
    button_ = LoadWidget<TTestBox>(R"(<widget name="button"><sounds><sound name="sound_own" resourcename="r"/></sounds></widget>)");
    group_->GetWidgets()->Add(button_);
    screen_->SetRoot(group_);
    screen_->SetEngine(engine_.get());
    auto game_sound = CreateObject<TSound>();
    game_sound->SetName("sound_game");
    screen_->Sounds().AddItem(game_sound);
  }
  void TearDown() override { screen_->DetachRoot(); }

  THeadlessPlatform platform_{HeadlessOptions{}};
  Ref<TRecordingEngine> engine_ = MakeRef<TRecordingEngine>(platform_);
  Ref<TTestScreen> screen_ = MakeRef<TTestScreen>();
  Ref<TVisualGroupWidget> group_;
  Ref<TTestBox> button_;
};

TEST_F(WidgetSoundsTest, LookupClimbsFromTheWidgetToTheScreen) {
  for (const char* name : {"sound_own", "sound_click", "sound_game"}) {
    SCOPED_TRACE(name);
    Ref<ISound> sound = button_->FindSound(name);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->GetName(), name);
  }
  EXPECT_EQ(button_->FindSound("sound_none"), nullptr);
  EXPECT_EQ(group_->FindSound("sound_own"), nullptr);
}

TEST_F(WidgetSoundsTest, PlayingGoesThroughTheEngine) {
  EXPECT_EQ(button_->PlaySound("sound_click", false, 0, 0), 42u);
  EXPECT_EQ(button_->PlaySound("sound_none", false, 0, 0), 0u);
  button_->StopSound("sound_click");
  ASSERT_EQ(engine_->played.size(), 1u);
  EXPECT_EQ(engine_->played[0].volume, 80);
  EXPECT_EQ(engine_->stopped, (std::vector<std::string>{"sound_click"}));
}

TEST_F(WidgetSoundsTest, OverriddenSettingsApplyToOnePlayOnly) {
  button_->PlaySound("sound_click", true, 30, -50);
  ASSERT_EQ(engine_->played.size(), 1u);
  EXPECT_EQ(engine_->played[0].volume, 30);
  EXPECT_EQ(engine_->played[0].pan, -50);
  Ref<ISound> sound = button_->FindSound("sound_click");
  EXPECT_EQ(sound->GetVolume(), 80);
  EXPECT_EQ(sound->GetPan(), 10);
}

TEST_F(WidgetSoundsTest, DetachedWidgetsStaySilent) {
  screen_->DetachRoot();
  EXPECT_EQ(button_->PlaySound("sound_own", false, 0, 0), 0u);
  button_->StopSound("sound_own");
  EXPECT_TRUE(engine_->played.empty());
  EXPECT_TRUE(engine_->stopped.empty());
}

TEST_F(WidgetSoundsTest, SoundsAreSavedWithTheWidget) {
  auto reloaded = LoadWidget<TTestBox>(SavedXml(*button_));
  ASSERT_NE(reloaded->GetSounds(), nullptr);
  EXPECT_NE(reloaded->GetSounds()->GetSound(Variant("sound_own")), nullptr);
}

}  // namespace
}  // namespace corvellane::testing
