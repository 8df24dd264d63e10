// Function and multi systems: particles computed by data-defined functions
// (eval functions here), their emission, motion, death and drawing; and the
// dirty-rectangle invariant on a screen with every kind of system running.
#include <gtest/gtest.h>

#include <string>

#include "particles/function_particle_system.h"
#include "particles/multi_particle_system.h"
#include "persistence/params.h"
#include "tests/particles/particle_fixture.h"

namespace corvellane::testing {
namespace {

// The particle's cells: results dead, x, y, image, r, g, b, a; state age, x0.
constexpr std::string_view kParticleCells = R"(<paramspace><paramdefs>
    <paramdef name="dead" col="0" static="yes"/><paramdef name="x" col="0" static="yes"/>
    <paramdef name="y" col="0" static="yes"/><paramdef name="image" col="0" static="yes"/>
    <paramdef name="r" col="0" static="yes"/><paramdef name="g" col="0" static="yes"/>
    <paramdef name="b" col="0" static="yes"/><paramdef name="a" col="0" static="yes"/>
    <paramdef name="age" col="1" static="yes"/><paramdef name="x0" col="1" static="yes"/>
  </paramdefs></paramspace>)";

// "Create" puts particle i at x0 = 10 i; "Update" moves it right one pixel
// every 100 ms, red, and kills it after a second. "count" (a second) is the
// root's cell, so writing the system's property "count" sets the rate.
std::string Program(std::string_view update) {
  return R"(<function type="function_complex" name="root"><paramspace><paramdefs>
        <paramdef name="time" col="1" static="yes"/><paramdef name="count" col="2" static="yes" value="0"/>
      </paramdefs></paramspace><functions>
      <function type="function_eval" name="Create"><paramspace><paramdefs>
          <paramdef name="c_age" col="0" static="yes"/><paramdef name="c_x0" col="0" static="yes"/>
          <paramdef name="index" col="1" static="yes"/><paramdef name="total_index" col="1" static="yes"/>
          <paramdef name="count" col="2" outname="count"/>
        </paramdefs></paramspace>
        <expression>c_age := 0
c_x0 := 10*index</expression></function>
      <function type="function_eval" name="Update"><paramspace><paramdefs>
          <paramdef name="dead" col="0" static="yes"/><paramdef name="x" col="0" static="yes"/>
          <paramdef name="y" col="0" static="yes"/><paramdef name="image" col="0" static="yes"/>
          <paramdef name="r" col="0" static="yes"/><paramdef name="g" col="0" static="yes"/>
          <paramdef name="b" col="0" static="yes"/><paramdef name="a" col="0" static="yes"/>
          <paramdef name="age" col="1" static="yes"/><paramdef name="x0" col="1" static="yes"/>
        </paramdefs></paramspace>
        <expression>)" +
         std::string(update) + R"(</expression></function>
    </functions></function>)";
}

constexpr std::string_view kMoveRight =
    "x := x0 + trunc(age/100)\ny := 5\nimage := 0\nr := 255\ng := 0\nb := 0\na := 255\ndead := age > 1000";

std::string FunctionSystem(std::string_view keys, std::string_view update = kMoveRight) {
  return Root(R"(<widget type="function_particle_system" name="fp" visible="yes" anchor_left="4" anchor_top="4" )" +
              std::string(keys) + ">" + std::string(kParticleCells) + Program(update) + std::string(kDot) +
              "</widget>");
}

float Cell(const TMatrixParticle& p, int col, int row) { return p.cells.Get(col, row); }

TEST_F(ParticleTest, FunctionSystemMakesItsInitialBurstAndMovesItsParticles) {
  Load(FunctionSystem(R"(init_creation_count="3")"));
  Frame(16);
  auto fp = System<TFunctionParticleSystem>("fp");
  ASSERT_EQ(fp->ParticleCount(), 3);
  // Made and advanced by 0 in the first frame, then aged by that frame.
  struct Expect { float age, x; };
  const Expect table[] = {{16, 0}, {16, 10}, {16, 20}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Cell(fp->Particles()[i], 1, 0), table[i].age) << i;
    EXPECT_EQ(Cell(fp->Particles()[i], 0, 1), table[i].x) << i;
  }
  Frames(25, 20);  // 516 ms
  EXPECT_EQ(Cell(fp->Particles()[1], 0, 1), 15);
  // Drawn red, centred on (x, y) = (15, 5) plus the anchor (4, 4).
  EXPECT_TRUE(LooksLike(Pixel(18, 8), 0xFFFF0000));
  EXPECT_TRUE(LooksLike(Pixel(19, 9), 0xFFFF0000));
  Frames(25, 20);  // past 1000 ms: all dead
  EXPECT_EQ(fp->ParticleCount(), 0);
}

TEST_F(ParticleTest, FunctionSystemEmitsAtCreatesRateCarryingFractions) {
  Load(FunctionSystem(""));
  Find("fp")->SetProperty("count", 100);  // the root's cell: 100 a second
  Frames(5, 16);                          // 80 ms: 8 particles
  EXPECT_EQ(Count("fp"), 8);
  Frames(5, 16);
  EXPECT_EQ(Count("fp"), 16);
  Find("fp")->SetProperty("count", 10000);
  Frame(5000);  // a stall: the earlier ones die, and only what 100 ms gives is made
  EXPECT_EQ(Count("fp"), 1000);
}

TEST_F(ParticleTest, FunctionSystemWithoutUpdateOnlyAgesItsParticles) {
  Load(FunctionSystem(R"(init_creation_count="2")", ""));
  Frames(60, 20);
  auto fp = System<TFunctionParticleSystem>("fp");
  ASSERT_EQ(fp->ParticleCount(), 2) << "dead stays 0 without Update";
  EXPECT_EQ(Cell(fp->Particles()[0], 1, 0), 1200);
  EXPECT_EQ(Cell(fp->Particles()[1], 0, 1), 0) << "column 0 keeps its first values";
}

TEST_F(ParticleTest, NotifyMakesAParticleFromParametersAndClears) {
  Load(FunctionSystem(""));
  auto params = CreateObject<TParamCollection>("\\x0=30\\unknown=7");
  Find("fp")->Notify(1, Variant(Ref<IObject>(params)));
  auto fp = System<TFunctionParticleSystem>("fp");
  ASSERT_EQ(fp->ParticleCount(), 1);
  EXPECT_EQ(Cell(fp->Particles()[0], 1, 1), 30);
  EXPECT_EQ(Cell(fp->Particles()[0], 0, 1), 30) << "advanced by 0 once made";
  Frame(16);
  Find("fp")->Notify(2, Variant());
  EXPECT_EQ(fp->ParticleCount(), 0);
  Frame(16);
}

TEST_F(ParticleTest, AnImageIndexOutsideThePicturesDrawsNothing) {
  Load(FunctionSystem(R"(init_creation_count="1")", "x := 10\ny := 10\nimage := 5\nr := 255\na := 255"));
  Frames(3, 16);
  EXPECT_EQ(Count("fp"), 1);
  EXPECT_TRUE(LooksLike(Pixel(14, 14), kBackground));
}

// A root that always emits sparks; each spark starts where the root's
// Create says, falls one pixel every 50 ms and dies after 200 ms.
std::string MultiSystem() {
  const std::string spark_update = "x := 2\ny := trunc(age/50)\nr := 255\ng := 255\na := 255\ndead := age > 200";
  return Root(R"(<widget type="multi_particle_system" name="mp" visible="yes" anchor_left="30" anchor_top="10"
                          use_local_images="yes"><particle_types>
      <particle_type name="spark">)" +
              std::string(kParticleCells) + Program(spark_update) + R"(</particle_type>
    </particle_types>)" + std::string(kDot) + "</widget>");
}

TEST_F(ParticleTest, MultiSystemEmitsOncePerAdvanceAndRemovesTheDead) {
  Load(MultiSystem());
  auto mp = System<TMultiParticleSystem>("mp");
  auto* spark = dynamic_cast<TParticleType*>(mp->RootType().ChildType(0));
  ASSERT_NE(spark, nullptr);
  spark->Program().WriteNumber("count", Variant(1000));
  Frame(16);
  EXPECT_EQ(Count("mp"), 16);
  Frames(20, 16);
  // Sparks live 200 ms (13 frames of 16): a steady population.
  EXPECT_EQ(Count("mp"), 13 * 16);
  EXPECT_TRUE(LooksLike(Pixel(31, 12), 0xFFFFFF00));
}

TEST_F(ParticleTest, MultiSystemNotifyMakesAParticleOfTheNamedType) {
  Load(MultiSystem());
  auto params = CreateObject<TParamCollection>("\\particle_type=spark\\x0=9");
  Find("mp")->Notify(1, Variant(Ref<IObject>(params)));
  EXPECT_EQ(Count("mp"), 1);
  Find("mp")->Notify(2, Variant());
  EXPECT_EQ(Count("mp"), 0);
}

// Every kind of system at once, with the pictures they move: the canvas kept
// through the reported rectangles equals a full redraw after every frame.
TEST_F(ParticleTest, DirtyRectanglesKeepTheScreenRightWithEverySystemRunning) {
  const std::string all =
      R"(<widget type="test_box" name="source" visible="yes" anchor_left="40" anchor_top="30" width="6" height="6"/>
      <widget type="stochastic_particle_system" name="ps" visible="yes" anchor_left="20" anchor_top="20"
              emission_count="200" emission_radius="6" speed_min="10" speed_max="60" lifetime_min="100"
              lifetime_max="600" gravity_min="0" gravity_max="50" color_start="$FFFFFF00" color_end="$FF0000FF"
              alfa_end="0" blendingmode="addition">)" +
      std::string(kDot) + R"(</widget>
      <widget type="montecarlo_particle_system" name="mc" visible="yes" emission_count="100" delta_step="30"
              speed_min="5" speed_max="20" lifetime_min="100" lifetime_max="400"
              redefinedparams="\widget=../source/owner">)" +
      std::string(kDot) + "</widget>";
  const std::string xml = Root(all).substr(0, Root(all).size() - std::string("</widgets></widget>").size());
  Load(xml + FunctionSystem(R"(init_creation_count="4")").substr(Root("").size() - std::string("</widgets></widget>").size()) );
  ASSERT_TRUE(Find("fp"));
  Find("fp")->SetProperty("count", 40);
  auto mp_xml = MultiSystem();
  Ref<IWidget> mp = WidgetFromXml(mp_xml.substr(mp_xml.find("<widget type=\"multi"), mp_xml.rfind("</widgets></widget>") - mp_xml.find("<widget type=\"multi")));
  ASSERT_TRUE(mp);
  screen->Root()->GetWidgets()->Add(mp);
  dynamic_cast<TParticleType*>(QueryInterface<TMultiParticleSystem>(mp)->RootType().ChildType(0))
      ->Program().WriteNumber("count", Variant(300));
  for (int frame = 0; frame < 60; ++frame) {
    Frame(frame % 7 == 6 ? 45 : 16);
    if (frame == 30) Find("ps")->SetAnchorLeft(28.5);
    if (frame == 40) Find("mp")->SetVisible(false);
    if (frame == 45) Find("fp")->Notify(2, Variant());
  }
  EXPECT_GT(Count("ps"), 0);
  EXPECT_GT(Count("mc"), 0);
  EXPECT_GT(Count("fp"), 0);
}

}  // namespace
}  // namespace corvellane::testing
