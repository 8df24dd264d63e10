// A window faded in by an appearance effect whose picture is animated by a
// bound function, drawn frame by frame into a real canvas.
#include <gtest/gtest.h>

#include "functions/function_classes.h"
#include "tests/widgets/group_fixture.h"
#include "widgets/appearance_effect_widget.h"

namespace corvellane::testing {
namespace {

// The picture's transparency follows its clock: 0 at the start of the
// effect, 255 after 160 ms (a piecewise table), the effect's duration.
const char* kFadingWindowXml = R"(<widget type="appearance_effect_widget" name="window" anchor_top="2">
  <effects><widgets>
    <widget type="func_appearance_effect" name="show_effect" durationtime="160"
            surfaceparamname="picture/surface">
      <widgets><widget type="surface_widget" name="picture" visible="yes">
        <function_widget type="function_piecewise"><paramspace><paramdefs>
          <paramdef name="transparentlevel" col="0" static="yes"/>
          <paramdef name="currenttime" col="1" static="yes"/>
          <paramdef col="2" static="yes" value="0"/><paramdef col="2" static="yes" value="160"/>
          <paramdef col="3" static="yes" value="0"/><paramdef col="3" static="yes" value="255"/>
        </paramdefs></paramspace></function_widget>
      </widget></widgets>
    </widget>
  </widgets></effects>
  <widgets>
    <widget type="test_box" name="box" visible="yes" anchor_left="3" anchor_top="4" width="8" height="6"
            colour="$FFCC3333"/>
  </widgets>
</widget>)";

class FunctionEffectTest : public GroupTreeTest {
 public:
  FunctionEffectTest() { RegisterFunctionClasses(); }
};

int Red(uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }

TEST_F(FunctionEffectTest, ABoundFunctionFadesAShownWindowIn) {
  auto window = QueryInterface<TAppearanceEffectWidget>(Load(kFadingWindowXml));
  ASSERT_TRUE(window);
  ASSERT_TRUE(checker.RunFrame(*screen));
  window->SetVisible(true);
  ASSERT_TRUE(window->IsApplyingEffect());

  const int background = Red(kBackground);
  const int box = 0xCC;
  int previous = background;
  int frames = 0;
  while (window->IsApplyingEffect() && frames < 30) {
    ASSERT_TRUE(checker.RunFrame(*screen)) << "frame " << frames;
    ++frames;
    const int red = Red(Pixel(8, 8));
    EXPECT_GE(red, previous) << "frame " << frames;
    if (frames == 1) EXPECT_LT(red, background + (box - background) / 4);
    if (frames == 5) EXPECT_NEAR(red, (background + box) / 2, 12);  // 80 of 160 ms
    previous = red;
  }
  EXPECT_EQ(frames, 10);  // 10 x 16 = 160
  ASSERT_TRUE(checker.RunFrame(*screen));
  EXPECT_TRUE(LooksLike(Pixel(8, 8), 0xFFCC3333));
}

}  // namespace
}  // namespace corvellane::testing
