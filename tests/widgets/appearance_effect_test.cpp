// Appearance effects: a group shown and hidden through effects that draw a
// picture of it, loaded from XML and drawn into a real canvas whose redraw
// is limited to the reported rectangles.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/widgets/group_fixture.h"
#include "widgets/appearance_effect_widget.h"
#include "widgets/surface_widget.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kBoxColour = 0xFFCC3333;

// One effect whose inner surface widget receives the picture.
std::string Effect(std::string_view name, int duration) {
  return R"(<widget type="func_appearance_effect" name=")" + std::string(name) + R"(" durationtime=")" +
         std::to_string(duration) + R"(" surfaceparamname="picture/surface">
             <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
           </widget>)";
}

// A window with the given effects around one box of 8 x 6 at (3, 4); an odd
// offset inside the window is where half-pixel anchors could round apart.
std::string Window(std::string_view anchor_left, std::string_view effects, std::string_view extra = "") {
  return R"(<widget type="appearance_effect_widget" name="window" mousestop="yes" anchor_left=")" +
         std::string(anchor_left) + R"(" anchor_top="2" )" + std::string(extra) + R"(>
      <effects><widgets>)" + std::string(effects) + R"(</widgets></effects>
      <widgets>
        <widget type="test_box" name="box" visible="yes" mousestop="yes" anchor_left="3" anchor_top="4"
                width="8" height="6" colour="$FFCC3333"/>
      </widgets>
    </widget>)";
}

class AppearanceEffectTest : public GroupTreeTest {
 public:
  Ref<TAppearanceEffectWidget> LoadWindow(const std::string& xml) {
    Ref<TAppearanceEffectWidget> window = QueryInterface<TAppearanceEffectWidget>(Load(xml));
    EXPECT_TRUE(window);
    return window;
  }
  // The running effect of the window's collection, by name.
  Ref<IWidget> EffectNamed(TAppearanceEffectWidget& window, std::string_view name) {
    return window.GetEffects()->GetWidgets()->GetWidgetByName(name);
  }
  // Frames of 16 ms (each checked against a full redraw) until the window
  // stops applying its effect; the number of frames it took.
  int FramesUntilEffectEnds(TAppearanceEffectWidget& window, int limit = 100) {
    int frames = 0;
    while (window.IsApplyingEffect() && frames < limit) {
      EXPECT_TRUE(checker.RunFrame(*screen)) << "frame " << frames;
      ++frames;
    }
    return frames;
  }
  // A new tree in the same fixture: the canvas starts afresh, so the old
  // tree's pixels are not taken for the new one's.
  Ref<TAppearanceEffectWidget> LoadFreshWindow(const std::string& xml) {
    checker = DirtyRectChecker(kCanvasWidth, kCanvasHeight, kBackground);
    return LoadWindow(xml);
  }
  bool ApplyingProperty(IWidget& window) { return window.GetProperty("applyingeffect").ToBool(); }
};

TEST_F(AppearanceEffectTest, ShowThenHideRunTheirCourseAndStop) {
  Ref<TAppearanceEffectWidget> window = LoadWindow(Window("0", Effect("show_effect", 100) + Effect("hide_effect", 500)));
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_FALSE(window->IsVisible());
  EXPECT_EQ(window->GetProperty("effect_state").ToInt(), kEffectNeverStarted);

  window->SetVisible(true);
  EXPECT_TRUE(window->IsVisible());  // visible at once, the effect drawn in its place
  EXPECT_TRUE(ApplyingProperty(*window));
  EXPECT_EQ(window->GetCurrentEffectName(), "show_effect");
  EXPECT_EQ(FramesUntilEffectEnds(*window), 7);  // 7 x 16 = 112 >= 100
  EXPECT_EQ(window->GetProperty("effect_state").ToInt(), kEffectDone);
  EXPECT_FALSE(EffectNamed(*window, "show_effect")->IsVisible());
  EXPECT_TRUE(LooksLike(Pixel(8, 8), kBoxColour));

  // Hiding: still visible, the group frozen, for the 500 ms of the effect.
  Ref<TTestBox> box = Box("box");
  const int box_advances = box->advances;
  window->SetVisible(false);
  EXPECT_TRUE(window->IsVisible());
  EXPECT_EQ(FramesUntilEffectEnds(*window), 32);  // 32 x 16 = 512 >= 500
  EXPECT_EQ(box->advances, box_advances);
  EXPECT_FALSE(window->IsVisible());
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_EQ(Pixel(8, 8), kBackground);  // its area redrawn without it

  // Stopped for good: more frames change nothing.
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_FALSE(window->IsApplyingEffect());
  EXPECT_FALSE(window->IsVisible());
}

// A show effect that hands the picture through a transition to two zoomed
// frames, as some of the game's dialogs do.
std::string TransitionEffect(std::string_view name, int duration) {
  std::string frames;
  const std::pair<const char*, const char*> names_and_zooms[] = {{"frame_0", "0.5"}, {"frame_1", "1"}};
  for (const auto& [frame, zoom] : names_and_zooms)
    frames += R"(<widget type="zoom_widget" name=")" + std::string(frame) + R"(" zoom=")" + zoom +
              R"(" aliases="\surface2=picture/surface">
                   <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
                 </widget>)";
  return R"(<widget type="func_appearance_effect" name=")" + std::string(name) + R"(" durationtime=")" +
         std::to_string(duration) + R"(" surfaceparamname="transition/surface2">
             <widgets><widget type="sequience_transition_effect" name="transition" visible="yes" durationtime=")" +
         std::to_string(duration) + R"("><widgets>)" + frames + R"(</widgets></widget></widgets>
           </widget>)";
}

TEST_F(AppearanceEffectTest, AnEffectOverKeepsNoPictureOfTheGroup) {
  // A screen stays in the game's catalogue once closed: a picture its effects
  // kept would live, unused, until the game ends.
  Ref<TAppearanceEffectWidget> window =
      LoadWindow(Window("0", TransitionEffect("show_effect", 64) + Effect("hide_effect", 64)));
  auto held = [&](std::string_view effect, std::string_view path) {
    return EffectNamed(*window, effect)->GetProperty(path).ToObject<ISurface>();
  };
  const char* show_paths[] = {"transition/surface2", "transition/frame_0/picture/surface",
                              "transition/frame_1/picture/surface"};
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    window->SetVisible(true);
    ASSERT_TRUE(held("show_effect", "transition/surface2")) << "the picture is handed to the effect";
    EXPECT_EQ(FramesUntilEffectEnds(*window), 4);
    for (const char* path : show_paths) EXPECT_FALSE(held("show_effect", path)) << path;
    EXPECT_TRUE(LooksLike(Pixel(8, 8), kBoxColour));

    window->SetVisible(false);
    ASSERT_TRUE(held("hide_effect", "picture/surface"));
    EXPECT_EQ(FramesUntilEffectEnds(*window), 4);
    EXPECT_FALSE(held("hide_effect", "picture/surface"));
    ASSERT_TRUE(checker.RunFrame(*screen));
    EXPECT_EQ(Pixel(8, 8), kBackground);
  }
}

TEST_F(AppearanceEffectTest, WithoutTheNamedEffectTheChangeIsImmediate) {
  struct Case {
    const char* name;
    std::string xml;
  };
  const Case cases[] = {
      {"no show_effect", Window("0", Effect("hide_effect", 100))},
      {"no effects at all", Window("0", "")},
      {"effects disabled", Window("0", Effect("show_effect", 100), R"(enable_effects="no")")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Ref<TAppearanceEffectWidget> window = LoadFreshWindow(c.xml);
    window->SetVisible(true);
    EXPECT_TRUE(window->IsVisible());
    EXPECT_FALSE(window->IsApplyingEffect());
    EXPECT_TRUE(checker.RunFrame(*screen));
    EXPECT_TRUE(LooksLike(Pixel(8, 8), kBoxColour));
  }
}

TEST_F(AppearanceEffectTest, DetachedWidgetChangesAtOnce) {
  Ref<TAppearanceEffectWidget> window =
      LoadWidget<TAppearanceEffectWidget>(Window("0", Effect("show_effect", 100) + Effect("hide_effect", 100)));
  window->SetVisible(true);
  EXPECT_TRUE(window->IsVisible());
  EXPECT_FALSE(window->IsApplyingEffect());
}

TEST_F(AppearanceEffectTest, ShowingAgainDuringTheHideEndsTheHideFirst) {
  Ref<TAppearanceEffectWidget> window = LoadWindow(Window("0", Effect("show_effect", 100) + Effect("hide_effect", 500)));
  window->SetVisible(true);
  FramesUntilEffectEnds(*window);
  window->SetVisible(false);
  ASSERT_TRUE(checker.RunFrame(*screen));
  ASSERT_EQ(window->GetCurrentEffectName(), "hide_effect");

  window->SetVisible(true);
  EXPECT_TRUE(window->IsVisible());
  EXPECT_EQ(window->GetCurrentEffectName(), "show_effect");
  EXPECT_FALSE(EffectNamed(*window, "hide_effect")->IsVisible());
  EXPECT_EQ(FramesUntilEffectEnds(*window), 7);
  EXPECT_TRUE(window->IsVisible());
  EXPECT_TRUE(checker.RunFrame(*screen));
}

TEST_F(AppearanceEffectTest, HidingDuringTheShowPlaysTheHideFromAVisibleWidget) {
  Ref<TAppearanceEffectWidget> window = LoadWindow(Window("0", Effect("show_effect", 100) + Effect("hide_effect", 100)));
  window->SetVisible(true);
  ASSERT_TRUE(checker.RunFrame(*screen));
  window->SetVisible(false);
  EXPECT_TRUE(window->IsVisible());
  EXPECT_EQ(window->GetCurrentEffectName(), "hide_effect");
  EXPECT_EQ(FramesUntilEffectEnds(*window), 7);
  EXPECT_FALSE(window->IsVisible());
}

TEST_F(AppearanceEffectTest, ZeroDurationEndsAtTheFirstAdvance) {
  Ref<TAppearanceEffectWidget> window = LoadWindow(Window("0", Effect("show_effect", 0)));
  window->SetVisible(true);
  EXPECT_TRUE(window->IsApplyingEffect());
  EXPECT_EQ(EffectNamed(*window, "show_effect")->GetProperty("state").ToInt(), kEffectRunning);
  EXPECT_EQ(FramesUntilEffectEnds(*window), 1);
}

TEST_F(AppearanceEffectTest, EffectEndsWhenItsStateIsWritten) {
  Ref<TAppearanceEffectWidget> window = LoadWindow(Window("0", Effect("show_effect", 100000)));
  window->SetVisible(true);
  // A long effect keeps running frame after frame (and each advance returns).
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_TRUE(window->IsApplyingEffect());
  EffectNamed(*window, "show_effect")->SetProperty("state", Variant(1));
  EXPECT_TRUE(checker.RunFrame(*screen));
  EXPECT_FALSE(window->IsApplyingEffect());
  EXPECT_TRUE(checker.RunFrame(*screen));
}

TEST_F(AppearanceEffectTest, RunningEffectCannotBeHitUnlessMouseIsProcessed) {
  struct Case {
    const char* extra;
    const char* hit_while_running;
  };
  const Case cases[] = {{"", "(none)"}, {R"(skip_process_mouse="no")", "box"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extra);
    Ref<TAppearanceEffectWidget> window = LoadFreshWindow(Window("0", Effect("show_effect", 100), c.extra));
    window->SetVisible(true);
    ASSERT_TRUE(checker.RunFrame(*screen));
    // Skipping the mouse, nothing of the window can be hit while it runs.
    EXPECT_EQ(HitName({8, 8}), c.hit_while_running);
    FramesUntilEffectEnds(*window);
    EXPECT_EQ(HitName({8, 8}), "box");
  }
}

TEST_F(AppearanceEffectTest, PictureLandsWhereTheRectangleSaysAtHalfPixelAnchors) {
  // Anchors on .5 round to even: 2.5 -> 2, 3.5 -> 4, 5.5 -> 6.
  for (const char* anchor : {"2.5", "3.5", "5.5", "-0.5"}) {
    SCOPED_TRACE(anchor);
    Ref<TAppearanceEffectWidget> window = LoadFreshWindow(Window(anchor, Effect("show_effect", 1000)));
    window->SetVisible(true);
    const TRect shown = window->GetRect();
    ASSERT_TRUE(checker.RunFrame(*screen));
    ASSERT_TRUE(window->IsApplyingEffect());
    // The effect's picture covers exactly the rectangle it reports.
    EXPECT_EQ(window->GetRect(), shown);
    EXPECT_TRUE(LooksLike(Pixel(shown.left, shown.top), kBoxColour));
    EXPECT_TRUE(LooksLike(Pixel(shown.right - 1, shown.bottom - 1), kBoxColour));
    EXPECT_EQ(Pixel(shown.left - 1, shown.top), kBackground);
    EXPECT_EQ(Pixel(shown.right, shown.top), kBackground);
    // Hit-testing follows the same rectangle.
    EXPECT_TRUE(window->ContainsPoint({shown.left, shown.top}, false));
    EXPECT_FALSE(window->ContainsPoint({shown.left - 1, shown.top}, false));
  }
}

TEST_F(AppearanceEffectTest, MovingAndFadingThePictureIsRedrawnThroughReportedRectangles) {
  Ref<TAppearanceEffectWidget> window = LoadWindow(Window("3", Effect("show_effect", 400)));
  window->SetVisible(true);
  Ref<IWidget> effect = EffectNamed(*window, "show_effect");
  // What bound functions would do: slide the picture in and fade it up.
  for (int frame = 0; window->IsApplyingEffect(); ++frame) {
    effect->SetProperty("picture/anchor_left", Variant(20.0 - frame * 0.75));
    effect->SetProperty("picture/transparentlevel", Variant(std::min(255, frame * 12)));
    ASSERT_TRUE(checker.RunFrame(*screen)) << "frame " << frame;
  }
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_TRUE(LooksLike(Pixel(3 + 3, 2 + 4), kBoxColour));
}

TEST_F(AppearanceEffectTest, StartParametersAreReadBeforeTheDecoratorsNames) {
  Ref<TAppearanceEffectWidget> window = LoadWindow(Window("0", Effect("show_effect", 300)));
  Ref<IAppearanceEffect> effect = QueryInterface<IAppearanceEffect>(EffectNamed(*window, "show_effect"));
  Ref<IParamCollection> params = CreateObject<TParamCollection>("\\transparentlevel=7\\durationtime=5\\speed=2");
  effect->StartEffect(nullptr, params.get());
  EXPECT_EQ(effect->GetProperty("transparentlevel").ToInt(), 7);
  EXPECT_EQ(effect->GetProperty("durationtime").ToInt(), 300);
  EXPECT_EQ(effect->GetProperty("state").ToInt(), kEffectRunning);
  effect->SetProperty("speed", Variant(3));
  EXPECT_EQ(effect->GetProperty("speed").ToInt(), 3);
  EXPECT_EQ(params->GetNamedValue("speed", Variant()).ToInt(), 2);  // a private copy
  EXPECT_EQ(effect->GetTransparentLevel(), 255);
}

TEST_F(AppearanceEffectTest, PictureReachesOnlyTheSurfaceWidgetItsPathNames) {
  struct Case {
    const char* surface_param_name;
    bool handed;
  };
  const Case cases[] = {
      {"picture/surface", true},
      {"./picture/surface", true},
      {"", false},
      {"picture/width", false},
      {"any_name/surface", true},  // a decorator answers every child name with its inner widget
      {"picture/nowhere/surface", false},
      {"surface", false},  // the effect itself is no surface widget
  };
  Ref<TSurface> picture = MakeSurface(5, 3, true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.surface_param_name);
    Ref<TFunctionAppearanceEffect> effect = LoadWidget<TFunctionAppearanceEffect>(
        R"(<widget durationtime="100" surfaceparamname=")" + std::string(c.surface_param_name) + R"(">
             <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets>
           </widget>)");
    effect->StartEffect(picture, nullptr);
    Ref<TSurfaceWidget> inner = QueryInterface<TSurfaceWidget>(effect->GetInnerWidget());
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->GetSurface().get() == picture.get(), c.handed);
    EXPECT_EQ(inner->GetWidth(), c.handed ? 5 : 0);
  }
}

TEST_F(AppearanceEffectTest, CollectionStatesAndUnknownEffects) {
  Ref<TAppearanceEffectWidget> window =
      LoadWindow(Window("0", Effect("show_effect", 16) +
                                 R"(<widget type="surface_widget" name="not_an_effect" visible="yes"/>)"));
  TAppearanceEffectCollection& effects = *window->GetEffects();
  EXPECT_TRUE(effects.IsVisible());
  EXPECT_FALSE(EffectNamed(*window, "not_an_effect")->IsVisible());  // hidden until started
  EXPECT_EQ(effects.GetEffectState(), kEffectNeverStarted);

  effects.StartNamedEffect("not_an_effect", nullptr, nullptr);
  EXPECT_EQ(effects.GetEffectState(), kEffectDone);
  EXPECT_FALSE(effects.GetCurrentEffect());

  effects.StartNamedEffect("show_effect", nullptr, nullptr);
  EXPECT_EQ(effects.GetEffectState(), kEffectRunning);
  effects.Update(16);
  EXPECT_EQ(effects.GetEffectState(), kEffectDone);
  EXPECT_FALSE(effects.GetCurrentEffect());
  EXPECT_FALSE(EffectNamed(*window, "show_effect")->IsVisible());
}

TEST_F(AppearanceEffectTest, SavesItsFlagsAfterTheGroupsKeysAndItsEffectsBeforeTheChildren) {
  Ref<TAppearanceEffectWidget> window =
      LoadWidget<TAppearanceEffectWidget>(Window("0", Effect("show_effect", 0), R"(enable_effects="no")"));
  const std::string xml = SavedXml(*window);
  EXPECT_NE(xml.find(R"(enable_effects="no")"), std::string::npos) << xml;
  EXPECT_EQ(xml.find("skip_process_mouse"), std::string::npos) << xml;
  EXPECT_NE(xml.find(R"(durationtime="0")"), std::string::npos) << xml;  // always written
  EXPECT_NE(xml.find(R"(surfaceparamname="picture/surface")"), std::string::npos) << xml;
  EXPECT_GT(xml.find("enable_effects"), xml.find("mousestop")) << xml;  // parent's rows first
  EXPECT_LT(xml.find("</effects>"), xml.find(R"(name="box")")) << xml;
  Ref<TAppearanceEffectWidget> again = LoadWidget<TAppearanceEffectWidget>(xml);
  EXPECT_FALSE(again->GetProperty("enable_effects").ToBool(true));
  EXPECT_TRUE(again->GetEffects()->HasEffect("show_effect"));
}

}  // namespace
}  // namespace corvellane::testing
