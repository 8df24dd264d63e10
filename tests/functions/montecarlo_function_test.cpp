#include <gtest/gtest.h>

#include <string>

#include "engine/random_source.h"
#include "engine/surface.h"
#include "tests/functions/function_fixture.h"

namespace corvellane::testing {
namespace {

// The search runs inside a complex function whose own cell "surface"
// carries the image; the Monte Carlo step reads it through its alias.
const char* kSearchXml = R"(<function type="function_complex">
  <paramspace><paramdefs>
    <paramdef name="found" col="0" static="yes" value="-1"/>
    <paramdef name="x" col="0" static="yes" value="-1"/>
    <paramdef name="y" col="0" static="yes" value="-1"/>
    <paramdef name="red" col="0" static="yes" value="-1"/>
    <paramdef name="green" col="0" static="yes" value="-1"/>
    <paramdef name="blue" col="0" static="yes" value="-1"/>
    <paramdef name="alpha" col="0" static="yes" value="-1"/>
    <paramdef name="surface" col="1" static="yes"/>
    <paramdef name="threshold" col="1" static="yes" value="100"/>
    <paramdef name="attempts" col="1" static="yes" value="5000"/>
  </paramdefs></paramspace>
  <functions><function type="function_montecarlo"><paramspace><paramdefs>
    <paramdef name="found" col="0"/><paramdef name="x" col="0"/><paramdef name="y" col="0"/>
    <paramdef name="red" col="0"/><paramdef name="green" col="0"/><paramdef name="blue" col="0"/>
    <paramdef name="alpha" col="0"/>
    <paramdef name="surface" col="1"/><paramdef name="threshold" col="1"/><paramdef name="attempts" col="1"/>
  </paramdefs></paramspace></function></functions>
</function>)";

class MonteCarloTest : public FunctionTest {
 protected:
  void SetUp() override {
    FunctionTest::SetUp();
    GlobalRandom().Seed(3);
    image->SetPixel(2, 3, 0x80112233);  // the one pixel with alpha 128
    search = Prepared(kSearchXml);
  }
  void GiveImage(Ref<IObject> object) {
    SetCellObject(search->GetParamSpace()->GetCellRefByName("surface"), std::move(object));
  }
  float Cell(const char* name) { return search->GetValueByName(name); }

  Ref<TSurface> image = MakeSurface(4, 5, true);
  Ref<IFunction> search;
};

TEST_F(MonteCarloTest, FindsAPixelOpaqueEnoughAndReportsIt) {
  GiveImage(image);
  search->Calculate();
  EXPECT_EQ(Cell("found"), 1);
  EXPECT_EQ(Cell("x"), 2);
  EXPECT_EQ(Cell("y"), 3);
  EXPECT_EQ(Cell("red"), 0x11);
  EXPECT_EQ(Cell("green"), 0x22);
  EXPECT_EQ(Cell("blue"), 0x33);
  EXPECT_EQ(Cell("alpha"), 0x80);
}

TEST_F(MonteCarloTest, AFailedSearchOnlyClearsTheFoundFlag) {
  GiveImage(image);
  search->SetValueByName("threshold", 129);
  search->Calculate();
  EXPECT_EQ(Cell("found"), 0);
  EXPECT_EQ(Cell("x"), -1);
  EXPECT_EQ(Cell("alpha"), -1);
}

TEST_F(MonteCarloTest, WithoutAnImageNothingIsFound) {
  search->Calculate();
  EXPECT_EQ(Cell("found"), 0);
  GiveImage(MakeSurface(0, 0, true));  // an empty image
  search->Calculate();
  EXPECT_EQ(Cell("found"), 0);
  GiveImage(search);  // an object that is no image
  search->Calculate();
  EXPECT_EQ(Cell("found"), 0);
  GiveImage(nullptr);
}

TEST_F(MonteCarloTest, AttemptsFromDataAreBounded) {
  GiveImage(image);
  search->SetValueByName("threshold", 255);
  search->SetValueByName("attempts", 3e38f);  // would run for ever
  search->Calculate();
  EXPECT_EQ(Cell("found"), 0);
  GiveImage(nullptr);
}

}  // namespace
}  // namespace corvellane::testing
