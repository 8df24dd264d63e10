// A busy screen where every transform widget moves, zooms, turns, is
// masked, scrolled and cut while a move scenario glides and fades a group
// and a transition plays: after every frame the canvas kept up to date
// through the reported rectangles equals a full redraw, pixel for pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "scenarios/scenario_classes.h"
#include "tests/widgets/transform_fixture.h"

namespace corvellane::testing {
namespace {

// Each transform wraps a surface widget "picture" whose picture the test sets.
constexpr const char* kScreen = R"(
  <widget type="group_widget" name="root" visible="yes" mousestop="yes"><widgets>
    <widget type="smooth_move_widget" name="glide" visible="yes" caching="yes" anchor_left="4" anchor_top="90">
      <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
    <widget type="move_scenario" name="glide_path" timetolive="1500" startposx="4" startposy="90" endposx="60"
            endposy="70" start_trans_level="40" end_trans_level="255" redefinedparams="\widget=../glide/picture/owner"/>
    <widget type="zoom_widget" name="zoomer" visible="yes" anchor_left="30" anchor_top="20" centerx="6" centery="5"
            smooth="yes">
      <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
    <widget type="rotate_widget_timed" name="spinner" visible="yes" anchor_left="80" anchor_top="30" rotate="yes"
            rotationtime="900" centerx="6" centery="5" zoom="1.3" smooth="yes">
      <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
    <widget type="zoom_widget" name="nest" visible="yes" anchor_left="130" anchor_top="25" zoom="0.8" z="2">
      <widgets><widget type="rotate_widget" name="inner_turn" visible="yes" angle="10" centerx="6" centery="5">
        <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget></widgets></widget>
    <widget type="masked_widget" name="masked" visible="yes" anchor_left="110" anchor_top="80" resourcename="holes">
      <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
    <widget type="contour_widget" name="outline" visible="yes" anchor_left="10" anchor_top="10"
            contourcolor="$FFFFD700">
      <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
    <widget type="cutsector_widget" name="cut" visible="yes" anchor_left="60" anchor_top="95" centerx="6" centery="5"
            startangle="-90">
      <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
    <widget type="scrollarea_widget" name="scroll" visible="yes" anchor_left="130" anchor_top="60" width="20" height="14">
      <widgets><widget type="group_widget" name="content" visible="yes"><widgets>
        <widget type="test_box" name="line1" visible="yes" width="18" height="4" colour="$FFE0E0FF"/>
        <widget type="test_box" name="line2" visible="yes" anchor_top="8" width="12" height="4" colour="$FFFFC0C0"/>
        <widget type="test_box" name="line3" visible="yes" anchor_top="16" width="16" height="4" colour="$FFC0FFC0"/>
      </widgets></widget></widgets></widget>
    <widget type="mask_widget" name="masker" visible="yes" anchor_left="88" anchor_top="85">
      <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
    <widget type="test_box" name="eraser" anchor_left="88" anchor_top="85" width="3" height="3"/>
    <widget type="sequience_transition_effect" name="transition" visible="yes" anchor_left="40" anchor_top="55"
            durationtime="400" extraparams="\cycle=yes">
      <widgets>
        <widget type="zoom_widget" name="f0" zoom="0.5" centerx="6" centery="5" aliases="\surface2=picture/surface">
          <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
        <widget type="zoom_widget" name="f1" zoom="0.75" centerx="6" centery="5" aliases="\surface2=picture/surface">
          <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
        <widget type="rotate_widget" name="f2" angle="20" centerx="6" centery="5" aliases="\surface2=picture/surface">
          <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
        <widget type="zoom_widget" name="f3" zoom="1" centerx="6" centery="5" aliases="\surface2=picture/surface">
          <widgets><widget type="surface_widget" name="picture" visible="yes"/></widgets></widget>
      </widgets>
    </widget>
  </widgets></widget>)";

class AnimatedScreenTest : public TransformTest {
 protected:
  AnimatedScreenTest() { RegisterScenarioClasses(); }
};

TEST_F(AnimatedScreenTest, EveryFrameRedrawsExactlyWhatChanged) {
  std::vector<uint32_t> holes(12 * 10, 0xFF000000);
  for (int i = 0; i < 12 * 10; i += 3) holes[i] = 0;
  WritePicture("holes.png", 12, 10, holes);
  DefineResources(R"(<resource type="ImageResource" name="holes" file="holes.png" format="png"/>)");
  Attach<IWidget>(kScreen);
  for (const char* path : {"glide/picture", "zoomer/picture", "spinner/picture", "nest/inner_turn/picture",
                           "masked/picture", "outline/picture", "cut/picture", "masker/picture"})
    SetPicture(path, Quarters(12, 10));
  Find("transition")->SetProperty("surface2", Variant(Quarters(12, 10)));

  for (int frame = 1; frame <= 160; ++frame) {
    SCOPED_TRACE("frame " + std::to_string(frame));
    Find("zoomer")->SetProperty("zoom", 1.0 + 0.6 * std::sin(frame * 0.15));
    Find("nest")->SetProperty("anchor_left", 130 - frame * 0.2);
    Find("nest/inner_turn")->SetProperty("angle", frame * 7);
    Find("masked")->SetProperty("anchor_top", 80 + (frame % 30) * 0.5);
    Find("cut")->SetProperty("endangle", -90 + frame * 4.5);
    Find("scroll")->SetProperty("shifttop", frame % 24);
    Find("scroll/content/line2")->SetProperty("anchor_left", frame % 8);
    Find("outline")->SetProperty("contourthickness", 1 + frame / 40);
    if (frame % 25 == 0) Find("outline")->SetProperty("visible", frame % 50 != 0);
    if (frame % 10 == 0) SetPicture("outline/picture", frame % 20 ? Quarters(12, 10) : Plain(8, 14, kGreen));
    if (frame % 12 == 0) {
      Find("eraser")->SetProperty("anchor_left", 88 + frame / 12);
      Find("masker")->SetProperty("substractFromMask", Variant(Find("eraser")));
      Find("masker")->SetProperty("need_to_repaint", true);
    }
    ASSERT_TRUE(checker.RunFrame(*screen_, 16));
  }
  EXPECT_FALSE(Find("glide_path")) << "the move scenario ended";
  EXPECT_DOUBLE_EQ(Find("glide")->GetProperty("anchor_left").ToFloat(), 60);
  EXPECT_EQ(Find("glide")->GetTransparentLevel(), 255);
}

}  // namespace
}  // namespace corvellane::testing
