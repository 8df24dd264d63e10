// Controls made of real image widgets over PNG pictures, drawn the way the
// engine draws: only the rectangles the tree reports are repainted, and the
// kept canvas must always equal a full redraw.
#include <gtest/gtest.h>

#include <functional>

#include "tests/controls/control_harness.h"
#include "tests/widgets/dirty_rect_checker.h"
#include "tests/widgets/group_fixture.h"

namespace corvellane::testing {
namespace {

constexpr uint32_t kNormal = 0xFF3060C0;
constexpr uint32_t kSelected = 0xFF50A0F0;
constexpr uint32_t kDisabled = 0xFF808080;

std::string Image(std::string_view name, std::string_view picture) {
  return R"(<widget type="image_widget" visible="yes" width="20" height="10" name=")" + std::string(name) +
         R"(" resourcename=")" + std::string(picture) + R"("/>)";
}

class ControlDrawingTest : public ::testing::Test {
 protected:
  uint32_t KeptAt(TPoint p) { return checker_.Kept().GetPixel(p.x, p.y); }

  DirtyRectChecker checker_{64, 48};
};

TEST_F(ControlDrawingTest, AButtonRepaintsItsLookAsTheCursorMovesPressesAndItIsDisabled) {
  ControlHarness h(R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="ButtonControl" name="button_play" visible="yes" mousestop="yes" enabled="yes"
              anchor_left="10.5" anchor_top="10" width="20" height="10"><widgets>)" +
                   Image("image_normal", "pic_normal") + Image("image_selected", "pic_selected") +
                   Image("image_disabled", "pic_disabled") + "</widgets></widget></widgets></widget>");
  h.DefinePicture("pic_normal", 20, 10, kNormal);
  h.DefinePicture("pic_selected", 20, 10, kSelected);
  h.DefinePicture("pic_disabled", 20, 10, kDisabled);
  constexpr TPoint kCentre{20, 15};
  constexpr TPoint kAway{50, 40};

  struct Step {
    const char* what;
    std::function<void()> act;
    uint32_t look;
  } steps[] = {
      {"first frame", [] {}, kNormal},
      {"cursor over it", [&] { h.MoveCursor(kCentre); }, kSelected},
      {"pressed", [&] { h.Mouse(kMouseLeftDown, kCentre); }, kSelected},
      {"dragged away", [&] { h.MoveCursor(kAway); }, kNormal},
      {"released away", [&] { h.Mouse(kMouseLeftUp, kAway); }, kNormal},
      {"back over it", [&] { h.MoveCursor(kCentre); }, kSelected},
      {"disabled", [&] { h.Get("button_play")->SetProperty("enabled", false); }, kDisabled},
      {"enabled again", [&] { h.Get("button_play")->SetProperty("enabled", true); }, kSelected},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    ASSERT_TRUE(checker_.RunFrame(h.Screen(), 16));
    EXPECT_PRED2(LooksLike, KeptAt(kCentre), step.look);
    EXPECT_EQ(KeptAt({9, 15}), 0xFF202020u) << "nothing left of the button";
  }
  EXPECT_TRUE(h.EventsSeen().empty());
}

TEST_F(ControlDrawingTest, ASequenceShowsItsPicturesInTurnAndSkipsOneThatDoesNotLoad) {
  ControlHarness h(R"(<widget name="root" visible="yes" mousestop="yes"><widgets>
      <widget type="SequenceControl" name="sequence_intro" visible="yes" mousestop="yes"
              width="20" height="10" step_duration_time="500"><widgets>)" +
                   Image("slide_1", "pic_first") + Image("slide_2", "pic_missing") + Image("slide_3", "pic_last") +
                   "</widgets></widget></widgets></widget>");
  h.DefinePicture("pic_first", 20, 10, kNormal);
  h.DefinePicture("pic_last", 20, 10, kSelected);
  // A definition whose file is not there: the picture stays empty.
  Ref<IHierStorageRoot> defs = OpenStorageText(
      R"(<defs><content><resource type="ImageResource" name="pic_missing" format="png" file="/nonexistent/missing.png"/></content></defs>)");
  h.Engine().LoadResourceDefs(defs.get(), "test", false);

  ASSERT_TRUE(checker_.RunFrame(h.Screen(), 16));
  EXPECT_PRED2(LooksLike, KeptAt({5, 5}), kNormal);
  ASSERT_TRUE(checker_.RunFrame(h.Screen(), 500));
  EXPECT_PRED2(LooksLike, KeptAt({5, 5}), kSelected);
  EXPECT_TRUE(h.EventsSeen().empty());
  ASSERT_TRUE(checker_.RunFrame(h.Screen(), 500));
  EXPECT_EQ(h.EventsSeen(), (Events{{"sequence_intro", kWidgetEventSequencePastLastStep}}));
  EXPECT_PRED2(LooksLike, KeptAt({5, 5}), kSelected) << "the last step stays";
}

}  // namespace
}  // namespace corvellane::testing
